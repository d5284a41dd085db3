#include "ui/DynamicNavigationBar.h"

#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr double kSideMargin = 10;
constexpr double kTitleClearance = 25;
constexpr double kIconSize = 25;
constexpr double kRightIconSize = 28;
constexpr double kTextButtonHeight = 25;
constexpr double kTextButtonFontSize = 17;

}  // namespace

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::initWithTitle(
    const std::string& title) {
    auto bar = makeBar();
    bar->addTitle(title);
    return bar;
}

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::initWithTitleAccentBackIcon(
    const std::string& title, const kit::Color& accent, const std::string& backIcon,
    const std::string& leftAction) {
    auto bar = makeBar();
    bar->leftIcon_ = bar->addIconButton(backIcon, leftAction, accent, Side::left);
    bar->addTitle(title);
    return bar;
}

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::initWithTitleAccentLeftIcon(
    const std::string& title, const kit::Color& accent, const std::string& leftIcon,
    const std::string& leftAction, const std::string& rightIcon, const std::string& rightAction) {
    auto bar = makeBar();
    bar->leftIcon_ = bar->addIconButton(leftIcon, leftAction, accent, Side::left);
    bar->rightIcon_ = bar->addIconButton(rightIcon, rightAction, accent, Side::right);
    bar->addTitle(title);
    // The left limit would contradict the centring (see the class comment), so only the
    // right one is made.
    extension::trailing(*bar->title_, bar->rightIcon_->leadingAnchor(), -kTitleClearance);
    return bar;
}

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::initWithTitleAccentLeftTitle(
    const std::string& title, const kit::Color& accent, const std::string& leftTitle,
    const std::string& leftAction, const std::string& rightTitle, const std::string& rightAction) {
    auto bar = makeBar();
    bar->leftText_ = bar->addTextButton(leftTitle, leftAction, accent, Side::left);
    bar->rightText_ = bar->addTextButton(rightTitle, rightAction, accent, Side::right);
    bar->addTitle(title);
    return bar;
}

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::initWithTitleAccentLeftTitle(
    const std::string& title, const kit::Color& accent, const std::string& leftTitle,
    const std::string& leftAction) {
    auto bar = makeBar();
    bar->leftText_ = bar->addTextButton(leftTitle, leftAction, accent, Side::left);
    bar->addTitle(title);
    return bar;
}

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::initWithTitleAccentRightTitle(
    const std::string& title, const kit::Color& accent, const std::string& rightTitle,
    const std::string& rightAction) {
    auto bar = makeBar();
    bar->rightText_ = bar->addTextButton(rightTitle, rightAction, accent, Side::right);
    bar->addTitle(title);
    extension::trailing(*bar->title_, bar->rightText_->leadingAnchor(), -kTitleClearance);
    return bar;
}

std::shared_ptr<DynamicNavigationBar> DynamicNavigationBar::makeBar() {
    auto bar = std::make_shared<DynamicNavigationBar>(Token{});
    bar->addBlur();
    bar->addHairline();
    bar->addCentreLine();
    return bar;
}

void DynamicNavigationBar::addBlur() {
    blur_ = kit::VisualEffectView::make(kit::BlurEffectStyle::systemChromeMaterial);
    insertSubview(blur_, 0);
    // Ends where the hairline begins.
    extension::top(*blur_, topAnchor(), leadingAnchor(), bottomAnchor(), trailingAnchor(),
                   {0, 0, -0.5, 0});
}

void DynamicNavigationBar::addHairline() {
    line_ = std::make_shared<kit::View>();
    line_->setBackgroundColor(kit::Color::systemGray2Color());
    line_->setAlpha(0.5);
    addSubview(line_);
    extension::height(*line_, 0.5);
    extension::bottom(*line_, bottomAnchor(), 0);
    extension::x(*line_, centerXAnchor());
    extension::leading(*line_, leadingAnchor(), 0);
    extension::trailing(*line_, trailingAnchor(), 0);
}

void DynamicNavigationBar::addCentreLine() {
    center_ = std::make_shared<kit::View>();
    addSubview(center_);
    extension::height(*center_, 2);
    extension::x(*center_, centerXAnchor());
    extension::bottom(*center_, bottomAnchor(), -20);
    extension::leading(*center_, leadingAnchor(), 0);
    extension::trailing(*center_, trailingAnchor(), 0);
}

std::shared_ptr<kit::Button> DynamicNavigationBar::addTextButton(const std::string& text,
                                                                 const std::string& action,
                                                                 const kit::Color& accent,
                                                                 Side side) {
    auto button = kit::Button::buttonWithType(kit::ButtonType::custom);
    button->setTitle(text, kit::ControlState::normal);
    button->addTarget(nullptr, action, kit::ControlEvents::touchUpInside);
    button->setTitleColor(accent, kit::ControlState::normal);
    // Dimming the title is the button's only press feedback.
    button->setTitleColor(accent.withAlpha(0.5), kit::ControlState::highlighted);
    auto font = kit::Font::systemFontOfSize(kTextButtonFontSize);
    button->setTitleFont(font);
    button->setTitleAlignment(side == Side::left ? kit::TextAlignment::left
                                                 : kit::TextAlignment::right);
    addSubview(button);
    extension::size(*button, {font.sizeOfText(text).width + 10, kTextButtonHeight});
    extension::y(*button, center_->centerYAnchor());
    pinToSide(*button, side);
    return button;
}

std::shared_ptr<NavigationBarControl> DynamicNavigationBar::addIconButton(const std::string& icon,
                                                                          const std::string& action,
                                                                          const kit::Color& accent,
                                                                          Side side) {
    auto button = NavigationBarControl::initWithIcon(icon, accent, kIconSize);
    button->addTarget(nullptr, action, kit::ControlEvents::touchUpInside);
    addSubview(button);
    double size = side == Side::left ? kIconSize : kRightIconSize;
    extension::size(*button, {size, size});
    extension::y(*button, center_->centerYAnchor());
    pinToSide(*button, side);
    return button;
}

void DynamicNavigationBar::pinToSide(kit::View& button, Side side) {
    if (side == Side::left) {
        extension::leading(button, leadingAnchor(), kSideMargin);
    } else {
        extension::trailing(button, trailingAnchor(), -kSideMargin);
    }
}

void DynamicNavigationBar::addTitle(const std::string& title) {
    title_ = std::make_shared<kit::Label>();
    title_->setTextColor(kit::Color::labelColor());
    title_->setTextAlignment(kit::TextAlignment::center);
    title_->setFont(kit::Font::boldSystemFontOfSize(19));
    title_->setText(title);
    addSubview(title_);
    extension::x(*title_, centerXAnchor());
    extension::y(*title_, center_->centerYAnchor());
}

}  // namespace kelvora
