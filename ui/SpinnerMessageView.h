#pragma once

#include <memory>
#include <string>

#include "platform/kit/ActivityIndicatorView.h"
#include "platform/kit/Label.h"
#include "platform/kit/View.h"

namespace kelvora {

// The progress overlay shown while files are copied, deleted or restored: a dark rounded
// panel in the middle of its host with a large spinner in the accent colour and a message of
// at most two lines under it.
//
// It does not set its own opacity: hosts set it to 0 right after making it, add it over
// their root view and fill it. Shown (opacity 1) it covers the whole host and swallows the
// touches meant for the screen under it; hidden (opacity 0) it lets them through.
class SpinnerMessageView final : public kit::View {
    struct Token {
        explicit Token() = default;
    };

  public:
    SpinnerMessageView(Token, kit::Rect frame) : View(frame) {}

    static std::shared_ptr<SpinnerMessageView> init();
    static std::shared_ptr<SpinnerMessageView> initWithFrame(kit::Rect frame);

    // The panel.
    const std::shared_ptr<kit::View>& baseView() const { return baseView_; }
    const std::shared_ptr<kit::ActivityIndicatorView>& spinner() const { return spinner_; }
    // Hosts write their progress texts here directly while the overlay is shown.
    const std::shared_ptr<kit::Label>& messageLabel() const { return messageLabel_; }

    // Fades in over 0.2 s, starts the spinner and shows `message` at once.
    void beginAnimateWithMessage(const std::string& message);
    // Fades out over 0.2 s and stops the spinner; the message stays as it was.
    void stopAnimate();

    void touchesBegan(const kit::Touch& touch) override;
    void touchesMoved(const kit::Touch& touch) override;
    void touchesEnded(const kit::Touch& touch) override;
    void touchesCancelled(const kit::Touch& touch) override;

  private:
    void buildPanel();
    void buildSpinner();
    void buildMessageLabel();

    std::shared_ptr<kit::View> baseView_;
    std::shared_ptr<kit::ActivityIndicatorView> spinner_;
    std::shared_ptr<kit::Label> messageLabel_;
};

}  // namespace kelvora
