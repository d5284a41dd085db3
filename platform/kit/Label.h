#pragma once

#include <optional>
#include <string>

#include "platform/kit/Font.h"
#include "platform/kit/Image.h"
#include "platform/kit/TextLayout.h"
#include "platform/kit/View.h"

namespace kit {

// Shows a text, or a single inline image in its place (an attributed text holding one image
// attachment). Setting a text removes the image and setting an image removes the text.
// Its size comes from measuring the text: one line by default, `numberOfLines` lines when
// set (0: as many as the text needs), wrapped at the width the layout gives it.
class Label final : public View {
  public:
    Label() { setUserInteractionEnabled(false); }

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The inline image, drawn in the image's own size on the text's line.
    const std::optional<Image>& attachmentImage() const { return attachment_; }
    void setAttachmentImage(std::optional<Image> image);

    const Font& font() const { return font_; }
    void setFont(Font font);
    Color textColor() const { return textColor_; }
    void setTextColor(Color color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    int numberOfLines() const { return numberOfLines_; }
    // A negative count is taken as 0, no limit.
    void setNumberOfLines(int lines);
    LineBreakMode lineBreakMode() const { return lineBreakMode_; }
    void setLineBreakMode(LineBreakMode mode);

    // How the text is laid out at `width` (none: unbounded), for measuring and drawing alike.
    TextLayout::Options layoutOptions(std::optional<double> width) const;

    Size intrinsicContentSize() const override;
    std::optional<double> heightForWidth(double width) const override;

  private:
    void contentDidChange();

    // Layout asks for sizes far more often than the text changes, and each answer costs a
    // Pango layout, so the last answers are kept until the content changes.
    struct HeightAtWidth {
        double width;
        double height;
    };
    mutable std::optional<Size> intrinsicSize_;
    mutable std::optional<HeightAtWidth> heightAtWidth_;

    std::string text_;
    std::optional<Image> attachment_;
    Font font_ = Font::systemFontOfSize(17);
    Color textColor_ = Color::labelColor();
    TextAlignment alignment_ = TextAlignment::natural;
    LineBreakMode lineBreakMode_ = LineBreakMode::byTruncatingTail;
    int numberOfLines_ = 1;
};

}  // namespace kit
