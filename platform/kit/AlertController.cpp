#include "platform/kit/AlertController.h"

#include <algorithm>

#include "platform/kit/ImageView.h"
#include "platform/kit/Screen.h"
#include "platform/kit/Window.h"

namespace kit {

// The alert's root view; it places the panels whenever its size changes.
class AlertController::AlertView final : public View {
  public:
    explicit AlertView(std::weak_ptr<AlertController> owner) : owner_(std::move(owner)) {}
    void layoutSubviews() override {
        auto owner = owner_.lock();
        if (!owner) {
            return;
        }
        if (owner->style_ == AlertControllerStyle::alert) {
            owner->layoutAlert(bounds());
        } else {
            owner->layoutActionSheet(bounds(), safeAreaInsets().bottom);
        }
    }

  private:
    std::weak_ptr<AlertController> owner_;
};

namespace {

Color panelColor() {
    return Color::dynamic({0.97, 0.97, 0.97, 0.98}, {0.17, 0.17, 0.18, 0.98});
}

}  // namespace

std::shared_ptr<AlertController> AlertController::make(std::string title, std::string message,
                                                       AlertControllerStyle style) {
    std::shared_ptr<AlertController> alert(new AlertController());
    alert->alertTitle_ = std::move(title);
    alert->message_ = std::move(message);
    alert->style_ = style;
    alert->setModalPresentationStyle(ModalPresentationStyle::overFullScreen);
    alert->setModalTransitionStyle(ModalTransitionStyle::crossDissolve);
    return alert;
}

void AlertController::addAction(AlertAction action) {
    actions_.push_back(std::move(action));
    if (isViewLoaded()) {
        auto button = makeButton(actions_.size() - 1);
        buttons_.push_back(button);
        bool cancel = actions_.back().style == AlertActionStyle::cancel;
        (cancel && cancelPanel_ ? cancelPanel_ : panel_)->addSubview(button);
        view()->setNeedsLayout();
    }
}

std::shared_ptr<View> AlertController::makePanel() {
    auto panel = std::make_shared<View>();
    panel->setBackgroundColor(panelColor());
    panel->setCornerRadius(style_ == AlertControllerStyle::alert ? 14 : 13);
    panel->setContinuousCorners(true);
    panel->setClipsToBounds(true);
    view()->addSubview(panel);
    return panel;
}

void AlertController::loadView() {
    auto root =
        std::make_shared<AlertView>(std::static_pointer_cast<AlertController>(shared_from_this()));
    root->setFrame(Screen::main().bounds());
    setView(root);
    bool sheet = style_ == AlertControllerStyle::actionSheet;
    dimming_ = std::make_shared<View>();
    dimming_->setBackgroundColor(Color::blackColor().withAlpha(sheet ? 0.4 : 0.2));
    dimming_->setUserInteractionEnabled(false);
    root->addSubview(dimming_);
    panel_ = makePanel();
    bool hasCancel = std::any_of(actions_.begin(), actions_.end(), [](const AlertAction& action) {
        return action.style == AlertActionStyle::cancel;
    });
    if (sheet && hasCancel) {
        cancelPanel_ = makePanel();
    }
    titleLabel_ = std::make_shared<Label>();
    titleLabel_->setText(alertTitle_);
    titleLabel_->setFont(Font::systemFontOfSize(sheet ? 13 : 17, FontWeight::semibold));
    messageLabel_ = std::make_shared<Label>();
    messageLabel_->setText(message_);
    messageLabel_->setFont(Font::systemFontOfSize(13));
    for (const auto& label : {titleLabel_, messageLabel_}) {
        label->setTextAlignment(TextAlignment::center);
        label->setNumberOfLines(0);
        label->setTextColor(sheet ? Color::secondaryLabelColor() : Color::labelColor());
        panel_->addSubview(label);
    }
    for (std::size_t index = 0; index < actions_.size(); ++index) {
        auto button = makeButton(index);
        buttons_.push_back(button);
        bool cancel = actions_[index].style == AlertActionStyle::cancel;
        (cancel && cancelPanel_ ? cancelPanel_ : panel_)->addSubview(button);
    }
}

std::shared_ptr<Button> AlertController::makeButton(std::size_t index) {
    const auto& action = actions_[index];
    auto button = Button::buttonWithType(ButtonType::system);
    button->setTitle(action.title, ControlState::normal);
    bool sheet = style_ == AlertControllerStyle::actionSheet;
    bool bold = action.style == AlertActionStyle::cancel;
    button->setTitleFont(
        Font::systemFontOfSize(sheet ? 20 : 17, bold ? FontWeight::semibold : FontWeight::regular));
    if (!sheet) {
        button->setContentEdgeInsets({0, buttonTitlePadding, 0, buttonTitlePadding});
    }
    if (action.style == AlertActionStyle::destructive) {
        button->setTitleColor(Color::systemRedColor(), ControlState::normal);
    }
    if (action.checked) {
        auto check = std::make_shared<ImageView>(
            Image::systemImageNamed("checkmark", {17, FontWeight::semibold}));
        check->setAccessibilityLabel("checkmark");
        button->addSubview(check);
    }
    std::weak_ptr<AlertController> weakSelf =
        std::static_pointer_cast<AlertController>(shared_from_this());
    button->addAction(
        [weakSelf, index](const std::shared_ptr<Control>&) {
            if (auto self = weakSelf.lock()) {
                self->performAction(index);
            }
        },
        ControlEvents::touchUpInside);
    return button;
}

void AlertController::performAction(std::size_t index) {
    // A second tap while the alert fades out must not run a second handler.
    if (acted_ || index >= actions_.size()) {
        return;
    }
    acted_ = true;
    auto keepAlive = shared_from_this();
    auto handler = actions_[index].handler;
    dismiss(true);
    if (handler) {
        handler();
    }
}

void AlertController::touchesEnded(const Touch& touch) {
    if (style_ != AlertControllerStyle::actionSheet || !isViewLoaded()) {
        return;
    }
    for (const auto& panel : {panel_, cancelPanel_}) {
        if (panel && panel->frame().contains(touch.locationIn(*view()))) {
            return;
        }
    }
    for (std::size_t index = 0; index < actions_.size(); ++index) {
        if (actions_[index].style == AlertActionStyle::cancel) {
            performAction(index);
            return;
        }
    }
}

}  // namespace kit
