#pragma once

#include <optional>

#include "platform/kit/Image.h"
#include "platform/kit/View.h"

namespace kit {

enum class ContentMode { scaleToFill, scaleAspectFit, scaleAspectFill, center };

// Shows an image placed in its bounds by the content mode. A symbol image takes the view's
// tint unless the image carries its own colour. Its size is the image's size.
class ImageView final : public View {
  public:
    ImageView() { setUserInteractionEnabled(false); }
    explicit ImageView(std::optional<Image> image) : ImageView() { image_ = std::move(image); }

    const std::optional<Image>& image() const { return image_; }
    void setImage(std::optional<Image> image);
    ContentMode contentMode() const { return contentMode_; }
    void setContentMode(ContentMode mode);

    // The colour the image is drawn in, if it is drawn in one colour at all.
    std::optional<Color> imageColor() const;
    // Where the image is drawn, in the view's coordinates: fitted whole inside the bounds,
    // filling them (and cut by them when the view clips), stretched, or centred unscaled.
    Rect imageRect() const;

    Size intrinsicContentSize() const override;

  private:
    std::optional<Image> image_;
    ContentMode contentMode_ = ContentMode::scaleToFill;
};

}  // namespace kit
