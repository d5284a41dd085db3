#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/kit/Control.h"
#include "platform/kit/Font.h"
#include "platform/kit/Image.h"
#include "platform/kit/TextLayout.h"

namespace kit {

enum class ButtonType { custom, system };

// A control showing a title and an image, each chosen by the control's state. A state with
// no title, colour or image of its own shows the normal state's. A custom button draws its
// title in white unless told otherwise; a system button draws it in the tint colour and
// dims it while highlighted.
class Button final : public Control {
  public:
    explicit Button(ButtonType type = ButtonType::custom);
    static std::shared_ptr<Button> buttonWithType(ButtonType type);

    ButtonType buttonType() const { return type_; }

    void setTitle(std::optional<std::string> title, ControlState state);
    std::optional<std::string> titleForState(ControlState state) const;
    std::optional<std::string> currentTitle() const { return titleForState(state()); }

    void setTitleColor(std::optional<Color> color, ControlState state);
    std::optional<Color> titleColorForState(ControlState state) const;
    Color currentTitleColor() const;

    void setImage(std::optional<Image> image, ControlState state);
    std::optional<Image> imageForState(ControlState state) const;
    std::optional<Image> currentImage() const { return imageForState(state()); }

    const Font& titleFont() const { return font_; }
    void setTitleFont(Font font);
    TextAlignment titleAlignment() const { return titleAlignment_; }
    void setTitleAlignment(TextAlignment alignment);
    EdgeInsets contentEdgeInsets() const { return contentInsets_; }
    void setContentEdgeInsets(EdgeInsets insets);

    // The image, then the title on one line, then the content insets around both.
    Size intrinsicContentSize() const override;

    void setHighlighted(bool highlighted) override;
    void setEnabled(bool enabled) override;
    void setSelected(bool selected) override;

  private:
    template <class Value>
    static std::optional<Value> lookUp(const std::map<ControlState, Value>& values,
                                       ControlState state);
    void contentDidChange();

    ButtonType type_;
    std::map<ControlState, std::string> titles_;
    std::map<ControlState, Color> titleColors_;
    std::map<ControlState, Image> images_;
    Font font_ = Font::systemFontOfSize(15);
    TextAlignment titleAlignment_ = TextAlignment::center;
    EdgeInsets contentInsets_;
};

}  // namespace kit
