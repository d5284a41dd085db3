#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/AlertAction.h"
#include "platform/kit/Button.h"
#include "platform/kit/Label.h"
#include "platform/kit/ViewController.h"
#include "platform/kit/VisualEffectView.h"

namespace kit {

enum class AlertControllerStyle { alert, actionSheet };

// An alert (a panel in the middle of the dimmed screen) or an action sheet (a panel of
// choices at the bottom, with the cancel action on a panel of its own). Tapping an action
// dismisses the alert and then runs the action's handler; a tap on the dimmed screen
// around an action sheet does what its cancel action does. Alerts cross-dissolve over
// whatever is on screen, which stays in place under them.
class AlertController final : public ViewController {
  public:
    // The room an alert's button keeps on each side of its title.
    static constexpr double buttonTitlePadding = 12;

    static std::shared_ptr<AlertController> make(std::string title, std::string message,
                                                 AlertControllerStyle style);

    const std::string& alertTitle() const { return alertTitle_; }
    const std::string& message() const { return message_; }
    AlertControllerStyle preferredStyle() const { return style_; }
    void addAction(AlertAction action);
    const std::vector<AlertAction>& actions() const { return actions_; }

    // What a tap on the action's button does.
    void performAction(std::size_t index);
    // The buttons, in the order of the actions.
    const std::vector<std::shared_ptr<Button>>& actionButtons() const { return buttons_; }
    std::shared_ptr<View> panelView() const { return panel_; }

    void touchesEnded(const Touch& touch) override;

  protected:
    void loadView() override;

  private:
    class AlertView;

    AlertController() = default;
    std::shared_ptr<Button> makeButton(std::size_t index);
    bool titlesFitSideBySide() const;
    void layoutAlert(Rect bounds);
    void layoutActionSheet(Rect bounds, double bottomInset);
    double layoutHeader(double width, double top);
    void placeSeparator(std::size_t index, Rect frame);
    std::shared_ptr<View> makePanel();

    std::string alertTitle_;
    std::string message_;
    AlertControllerStyle style_ = AlertControllerStyle::alert;
    std::vector<AlertAction> actions_;
    std::shared_ptr<View> dimming_;
    std::shared_ptr<View> panel_;
    std::shared_ptr<View> cancelPanel_;
    std::shared_ptr<Label> titleLabel_;
    std::shared_ptr<Label> messageLabel_;
    std::vector<std::shared_ptr<Button>> buttons_;
    std::vector<std::shared_ptr<View>> separators_;
    bool acted_ = false;
};

}  // namespace kit
