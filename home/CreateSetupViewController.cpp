#include "home/CreateSetupViewController.h"

#include "appearance/NotchedDevice.h"
#include "appearance/SetupAppearance.h"
#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/Toolbar.h"
#include "ui/SectionTitleView.h"
#include "ui/extension.h"

namespace kelvora {

CreateSetupViewController::CreateSetupViewController() {
    defineAction("dismissVC", [this](const auto&) { dismissVC(); });
    defineAction("saveChanges", [this](const auto&) { saveChanges(); });
    defineAction("dismissKeyboard", [this](const auto&) { dismissKeyboard(); });
}

void CreateSetupViewController::viewDidLoad() {
    view()->setBackgroundColor(SetupAppearance::primaryColour());
    layoutScrollView();
    layoutViews();
    layoutFooterView();
    layoutNavbarView();
}

void CreateSetupViewController::layoutScrollView() {
    scrollView = std::make_shared<kit::ScrollView>(kit::Rect{});
    scrollView->setShowsVerticalScrollIndicator(false);
    scrollView->setShowsHorizontalScrollIndicator(false);
    scrollView->setBackgroundColor(kit::Color::clearColor());
    scrollView->setContentInsetAdjustmentBehavior(kit::ContentInsetAdjustment::never);
    view()->addSubview(scrollView);
    extension::fill(*scrollView);
}

void CreateSetupViewController::stack(const std::shared_ptr<kit::View>& item,
                                      const kit::View& above, double spacing, double height,
                                      double widthOffset) {
    scrollView->addSubview(item);
    extension::top(*item, above.bottomAnchor(), spacing);
    extension::x(*item, scrollView->centerXAnchor());
    extension::height(*item, height);
    item->widthAnchor()
        .constraintEqualToAnchor(view()->widthAnchor(), widthOffset)
        ->setActive(true);
}

void CreateSetupViewController::layoutViews() {
    auto nameTitle = SectionTitleView::initWithTitle("Name your Setup");
    scrollView->addSubview(nameTitle);
    extension::top(*nameTitle, scrollView->topAnchor(), NotchedDevice::isNotched() ? 120 : 90);
    extension::x(*nameTitle, scrollView->centerXAnchor());
    extension::height(*nameTitle, 25);
    nameTitle->widthAnchor().constraintEqualToAnchor(view()->widthAnchor())->setActive(true);
    layoutNameView(nameTitle);

    auto self = std::static_pointer_cast<CreateSetupViewController>(shared_from_this());
    auto colourTitle = SectionTitleView::initWithTitle("Choose a Colour");
    stack(colourTitle, *nameView, 25, 25);
    colourView = ColourCollectionView::init();
    colourView->delegate = self;
    stack(colourView, *colourTitle, 4, 165);

    iconTitle_ = SectionTitleView::initWithTitle("Choose an Icon");
    stack(iconTitle_, *colourView, 25, 25);
    iconView = IconCollectionView::init();
    iconView->delegate = self;
    stack(iconView, *iconTitle_, 4, 1205);
}

void CreateSetupViewController::layoutNameView(const std::shared_ptr<kit::View>& title) {
    nameView = std::make_shared<kit::View>();
    nameView->setCornerRadius(12);
    nameView->setBackgroundColor(SetupAppearance::secondaryColour());
    nameView->setClipsToBounds(true);
    stack(nameView, *title, 5, 45, -20);

    auto accent = SetupAppearance::setupAccentColour();
    textField = std::make_shared<kit::TextField>();
    textField->setBackgroundColor(kit::Color::clearColor());
    textField->setPlaceholder("Setup name...");
    textField->setTextColor(kit::Color::labelColor());
    textField->setTintColor(accent);
    textField->setFont(kit::Font::systemFontOfSize(17));
    textField->setKeyboardType(kit::KeyboardType::asciiCapable);
    textField->setAutocorrectionType(kit::TextAutocorrectionType::no);
    textField->setInputAccessoryView(keyboardToolbar());
    nameView->addSubview(textField);
    extension::top(*textField, nameView->topAnchor(), nameView->leadingAnchor(),
                   nameView->bottomAnchor(), nameView->trailingAnchor(), {0, 10, 0, 0});
}

std::shared_ptr<kit::View> CreateSetupViewController::keyboardToolbar() {
    auto toolbar = kit::Toolbar::make();
    toolbar->setTintColor(SetupAppearance::setupAccentColour());
    auto self = std::static_pointer_cast<CreateSetupViewController>(shared_from_this());
    toolbar->setItems(
        {kit::BarButtonItem::withSystemItem(kit::BarButtonSystemItem::flexibleSpace, {}, ""),
         kit::BarButtonItem::withSystemItem(kit::BarButtonSystemItem::done, self,
                                            "dismissKeyboard")});
    return toolbar;
}

// The footer's bottom is the content's bottom, which gives the scroll view its height.
void CreateSetupViewController::layoutFooterView() {
    footer_ = std::make_shared<kit::View>();
    stack(footer_, *iconView, 5, 30);
    extension::bottom(*footer_, scrollView->bottomAnchor(), 0);
}

void CreateSetupViewController::layoutNavbarView() {
    navbarView = DynamicNavigationBar::initWithTitleAccentLeftTitle(
        "New Setup", SetupAppearance::setupAccentColour(), "Cancel", "dismissVC", "Done",
        "saveChanges");
    navbarView->rightTitleButton()->setAlpha(0);
    view()->addSubview(navbarView);
    extension::top(*navbarView, view()->topAnchor(), 0);
    extension::x(*navbarView, view()->centerXAnchor());
    extension::height(*navbarView, NotchedDevice::isNotched() ? 92 : 66);
    navbarView->widthAnchor().constraintEqualToAnchor(view()->widthAnchor())->setActive(true);
}

}  // namespace kelvora
