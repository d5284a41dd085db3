#include "ui/SectionTitleView.h"

#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

std::shared_ptr<SectionTitleView> SectionTitleView::initWithTitle(const std::string& title) {
    auto view = std::make_shared<SectionTitleView>(Token{});
    auto label = std::make_shared<kit::Label>();
    label->setTextAlignment(kit::TextAlignment::left);
    label->setFont(kit::Font::systemFontOfSize(18, kit::FontWeight::semibold));
    // White on the dark form, black on the light one: white there would be all but invisible.
    label->setTextColor(kit::Color::dynamic({0, 0, 0, 0.8}, {1, 1, 1, 0.8}));
    label->setText(title);
    view->addSubview(label);
    extension::y(*label, view->centerYAnchor());
    extension::leading(*label, view->leadingAnchor(), 10);
    extension::trailing(*label, view->trailingAnchor(), -10);
    view->titleLabel_ = std::move(label);
    return view;
}

}  // namespace kelvora
