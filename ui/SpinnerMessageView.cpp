#include "ui/SpinnerMessageView.h"

#include "appearance/SetupAppearance.h"
#include "platform/kit/Font.h"
#include "ui/extension.h"

namespace kelvora {

namespace {

constexpr double kFadeDuration = 0.2;

}  // namespace

std::shared_ptr<SpinnerMessageView> SpinnerMessageView::init() {
    return initWithFrame({});
}

std::shared_ptr<SpinnerMessageView> SpinnerMessageView::initWithFrame(kit::Rect frame) {
    auto overlay = std::make_shared<SpinnerMessageView>(Token{}, frame);
    overlay->buildPanel();
    overlay->buildSpinner();
    overlay->buildMessageLabel();
    return overlay;
}

void SpinnerMessageView::buildPanel() {
    baseView_ = std::make_shared<kit::View>();
    baseView_->setBackgroundColor(kit::Color::blackColor().withAlpha(0.8));
    baseView_->setCornerRadius(14);
    baseView_->setContinuousCorners(true);
    baseView_->setClipsToBounds(true);
    addSubview(baseView_);
    extension::height(*baseView_, 120);
    extension::x(*baseView_, centerXAnchor(), centerYAnchor());
    extension::leading(*baseView_, leadingAnchor(), 40);
    extension::trailing(*baseView_, trailingAnchor(), -40);
}

void SpinnerMessageView::buildSpinner() {
    spinner_ = std::make_shared<kit::ActivityIndicatorView>();
    spinner_->setColor(SetupAppearance::setupAccentColour());
    spinner_->setTransform(kit::AffineTransform::scale(1.7, 1.7));
    baseView_->addSubview(spinner_);
    extension::size(*spinner_, {70, 70});
    extension::x(*spinner_, baseView_->centerXAnchor());
    extension::top(*spinner_, baseView_->topAnchor(), 5);
}

void SpinnerMessageView::buildMessageLabel() {
    messageLabel_ = std::make_shared<kit::Label>();
    messageLabel_->setTextAlignment(kit::TextAlignment::center);
    messageLabel_->setTextColor(kit::Color::whiteColor().withAlpha(0.8));
    messageLabel_->setFont(kit::Font::systemFontOfSize(18));
    messageLabel_->setNumberOfLines(2);
    baseView_->addSubview(messageLabel_);
    extension::x(*messageLabel_, baseView_->centerXAnchor());
    extension::bottom(*messageLabel_, baseView_->bottomAnchor(), -10);
    extension::leading(*messageLabel_, baseView_->leadingAnchor(), 20);
    extension::trailing(*messageLabel_, baseView_->trailingAnchor(), -20);
}

void SpinnerMessageView::beginAnimateWithMessage(const std::string& message) {
    View::animate(kFadeDuration, [this] { setAlpha(1); });
    spinner_->startAnimating();
    messageLabel_->setText(message);
}

void SpinnerMessageView::stopAnimate() {
    View::animate(kFadeDuration, [this] { setAlpha(0); });
    spinner_->stopAnimating();
}

// While shown the overlay stands between the finger and the screen under it, so its touches
// stop here instead of travelling on to views that could act on them (a scroll view behind).
void SpinnerMessageView::touchesBegan(const kit::Touch&) {}
void SpinnerMessageView::touchesMoved(const kit::Touch&) {}
void SpinnerMessageView::touchesEnded(const kit::Touch&) {}
void SpinnerMessageView::touchesCancelled(const kit::Touch&) {}

}  // namespace kelvora
