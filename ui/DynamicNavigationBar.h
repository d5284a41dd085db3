#pragma once

#include <memory>
#include <string>

#include "platform/kit/Button.h"
#include "platform/kit/Color.h"
#include "platform/kit/Label.h"
#include "platform/kit/View.h"
#include "platform/kit/VisualEffectView.h"
#include "ui/NavigationBarControl.h"

namespace kelvora {

// The app's own top bar: a blurred band with a hairline at its bottom, a bold centred title
// and at most one button a side, either text in the accent colour or a symbol icon. Every
// button and the title are centred on a line 21 points above the bar's bottom. The bar has no
// height of its own: the host pins its width, top and height.
//
// Buttons send their action, a name, up the responder chain from the button, because the bar
// is in no screen yet when it is built; the first responder that defines the action performs
// it, and an action no one defines is dropped.
//
// The title may run under the buttons unless the variant limits it. Where it is limited on
// the right it stays 25 points clear of the right button and, being centred, reaches just as
// far left of the bar's centre. With two icons the right one is 3 points wider than the left,
// so the title cannot be centred and 25 points from both: the left limit gives way, which
// leaves the title 28 points clear of the left icon.
class DynamicNavigationBar final : public kit::View {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit DynamicNavigationBar(Token) {}

    // Blur, hairline and title only.
    static std::shared_ptr<DynamicNavigationBar> initWithTitle(const std::string& title);
    static std::shared_ptr<DynamicNavigationBar> initWithTitleAccentBackIcon(
        const std::string& title, const kit::Color& accent, const std::string& backIcon,
        const std::string& leftAction);
    static std::shared_ptr<DynamicNavigationBar> initWithTitleAccentLeftIcon(
        const std::string& title, const kit::Color& accent, const std::string& leftIcon,
        const std::string& leftAction, const std::string& rightIcon,
        const std::string& rightAction);
    static std::shared_ptr<DynamicNavigationBar> initWithTitleAccentLeftTitle(
        const std::string& title, const kit::Color& accent, const std::string& leftTitle,
        const std::string& leftAction, const std::string& rightTitle,
        const std::string& rightAction);
    static std::shared_ptr<DynamicNavigationBar> initWithTitleAccentLeftTitle(
        const std::string& title, const kit::Color& accent, const std::string& leftTitle,
        const std::string& leftAction);
    static std::shared_ptr<DynamicNavigationBar> initWithTitleAccentRightTitle(
        const std::string& title, const kit::Color& accent, const std::string& rightTitle,
        const std::string& rightAction);

    const std::shared_ptr<kit::VisualEffectView>& blurEffectView() const { return blur_; }
    const std::shared_ptr<kit::View>& lineView() const { return line_; }
    // An invisible strip 2 points high whose centre is the bar's centre line.
    const std::shared_ptr<kit::View>& centerView() const { return center_; }
    const std::shared_ptr<kit::Label>& titleLabel() const { return title_; }
    // Buttons absent from the variant are empty.
    const std::shared_ptr<NavigationBarControl>& leftIconButton() const { return leftIcon_; }
    const std::shared_ptr<NavigationBarControl>& rightIconButton() const { return rightIcon_; }
    const std::shared_ptr<kit::Button>& leftTitleButton() const { return leftText_; }
    const std::shared_ptr<kit::Button>& rightTitleButton() const { return rightText_; }

  private:
    enum class Side { left, right };

    static std::shared_ptr<DynamicNavigationBar> makeBar();
    void addBlur();
    void addHairline();
    void addCentreLine();
    std::shared_ptr<kit::Button> addTextButton(const std::string& text, const std::string& action,
                                               const kit::Color& accent, Side side);
    std::shared_ptr<NavigationBarControl> addIconButton(const std::string& icon,
                                                        const std::string& action,
                                                        const kit::Color& accent, Side side);
    void addTitle(const std::string& title);
    void pinToSide(kit::View& button, Side side);

    std::shared_ptr<kit::VisualEffectView> blur_;
    std::shared_ptr<kit::View> line_;
    std::shared_ptr<kit::View> center_;
    std::shared_ptr<kit::Label> title_;
    std::shared_ptr<NavigationBarControl> leftIcon_;
    std::shared_ptr<NavigationBarControl> rightIcon_;
    std::shared_ptr<kit::Button> leftText_;
    std::shared_ptr<kit::Button> rightText_;
};

}  // namespace kelvora
