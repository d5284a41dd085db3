#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/kit/Color.h"
#include "platform/kit/Image.h"

namespace kit {

class Button;
class Responder;

enum class BarButtonItemStyle { plain, done };
enum class BarButtonSystemItem { none, done, flexibleSpace };

// An entry of a navigation bar or toolbar: a symbol, a title, a system item (Done, or a
// flexible space that shares the free width), and what it does. A bar shows it as a plain
// button made by makeButton. The action goes to the target when there is one; with no
// target it is sent up the responder chain from the controller whose bar shows the item.
class BarButtonItem final : public std::enable_shared_from_this<BarButtonItem> {
  public:
    using Handler = std::function<void()>;

    static std::shared_ptr<BarButtonItem> withImage(std::optional<Image> image,
                                                    BarButtonItemStyle style,
                                                    std::weak_ptr<Responder> target,
                                                    std::string action);
    static std::shared_ptr<BarButtonItem> withTitle(std::string title, BarButtonItemStyle style,
                                                    std::weak_ptr<Responder> target,
                                                    std::string action);
    static std::shared_ptr<BarButtonItem> withSystemItem(BarButtonSystemItem item,
                                                         std::weak_ptr<Responder> target,
                                                         std::string action);

    const std::string& title() const { return title_; }
    const std::optional<Image>& image() const { return image_; }
    BarButtonItemStyle style() const { return style_; }
    BarButtonSystemItem systemItem() const { return systemItem_; }
    bool isFlexibleSpace() const { return systemItem_ == BarButtonSystemItem::flexibleSpace; }
    const std::string& action() const { return action_; }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    const std::optional<Color>& tintColor() const { return tintColor_; }
    void setTintColor(std::optional<Color> color) { tintColor_ = std::move(color); }
    // Runs instead of the target-action when set; it must not own what it acts on.
    void setHandler(Handler handler) { handler_ = std::move(handler); }

    // What automation and assistive technologies read: the title, or for an item that
    // shows only a symbol, the symbol's name.
    std::string accessibilityLabel() const;

    // Performs the item's action: handler, else target, else up the chain from `fallback`.
    // Returns false when nobody performed it.
    bool perform(const std::shared_ptr<Responder>& sender,
                 const std::shared_ptr<Responder>& fallback) const;

    // The button a bar shows; a tap performs the item with `fallback` as chain start.
    std::shared_ptr<Button> makeButton(std::weak_ptr<Responder> fallback) const;

  private:
    BarButtonItem() = default;

    std::string title_;
    std::optional<Image> image_;
    BarButtonItemStyle style_ = BarButtonItemStyle::plain;
    BarButtonSystemItem systemItem_ = BarButtonSystemItem::none;
    std::weak_ptr<Responder> target_;
    bool hasTarget_ = false;
    std::string action_;
    Handler handler_;
    std::optional<Color> tintColor_;
    bool enabled_ = true;
};

}  // namespace kit
