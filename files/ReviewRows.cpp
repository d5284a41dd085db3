#include "files/ReviewRows.h"

#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

namespace ReviewRows {

void fill(PlistFileCell& cell, const std::string& title, const std::string& subtitle,
          const char* symbol, bool opensMore) {
    cell.configure({title, {}, {}, {}}, false);
    cell.icon()->setImage(kit::Image::systemImageNamed(symbol));
    cell.subtitleLabel()->setText(subtitle);
    cell.checkedIcon()->setImage(kit::Image::systemImageNamed("chevron.right"));
    cell.checkedIcon()->setAlpha(opensMore ? 1 : 0);
}

void addTable(kit::View& parent, std::weak_ptr<kit::TableViewDataSource> dataSource,
              std::weak_ptr<kit::TableViewDelegate> delegate) {
    auto table = PlistFileCell::makeTable({7, 0, 7, 0});
    table->setSectionHeaderHeight(kHeaderHeight);
    table->setDataSource(std::move(dataSource));
    table->setDelegate(std::move(delegate));
    parent.addSubview(table);
    extension::fill(*table);
}

std::shared_ptr<kit::View> header(const std::string& title) {
    auto view = std::make_shared<kit::View>();
    auto label = std::make_shared<kit::Label>();
    label->setText(title);
    label->setFont(kit::Font::systemFontOfSize(15, kit::FontWeight::semibold));
    label->setTextColor(kit::Color::secondaryLabelColor());
    view->addSubview(label);
    extension::leading(*label, view->leadingAnchor(), 18);
    extension::trailing(*label, view->trailingAnchor(), -18);
    extension::bottom(*label, view->bottomAnchor(), -6);
    return view;
}

void addMessage(kit::View& parent, const std::string& text) {
    auto label = std::make_shared<kit::Label>();
    label->setText(text);
    label->setTextAlignment(kit::TextAlignment::center);
    label->setFont(kit::Font::systemFontOfSize(18, kit::FontWeight::semibold));
    label->setTextColor(kit::Color::tertiaryLabelColor());
    label->setNumberOfLines(0);
    parent.addSubview(label);
    extension::y(*label, parent.centerYAnchor());
    extension::leading(*label, parent.leadingAnchor(), 20);
    extension::trailing(*label, parent.trailingAnchor(), -20);
}

}  // namespace ReviewRows

}  // namespace kelvora
