#include "ui/SectionTitleView.h"

#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<SectionTitleView> SectionTitleView::initWithTitle(const std::string& title) {
    auto view = std::make_shared<SectionTitleView>(Token{});
    auto label = std::make_shared<kit::Label>();
    label->setTextAlignment(kit::TextAlignment::left);
    label->setFont(kit::Font::systemFontOfSize(18, kit::FontWeight::semibold));
    label->setTextColor(kit::Color::whiteColor().withAlpha(0.8));
    label->setText(title);
    view->addSubview(label);
    extension::y(*label, view->centerYAnchor());
    extension::leading(*label, view->leadingAnchor(), 10);
    extension::trailing(*label, view->trailingAnchor(), -10);
    view->titleLabel_ = std::move(label);
    return view;
}

}  // namespace kelvora
