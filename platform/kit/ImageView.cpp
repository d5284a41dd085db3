#include "platform/kit/ImageView.h"

#include <algorithm>

namespace kit {

void ImageView::setImage(std::optional<Image> image) {
    image_ = std::move(image);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void ImageView::setContentMode(ContentMode mode) {
    contentMode_ = mode;
    setNeedsDisplay();
}

std::optional<Color> ImageView::imageColor() const {
    if (!image_) {
        return std::nullopt;
    }
    if (image_->tintColor()) {
        return image_->tintColor();
    }
    if (image_->isTemplate()) {
        return tintColor();
    }
    return std::nullopt;
}

Rect ImageView::imageRect() const {
    Rect area = bounds();
    if (!image_) {
        return area;
    }
    Size natural = image_->size();
    if (contentMode_ == ContentMode::scaleToFill || natural.width <= 0 || natural.height <= 0) {
        return area;
    }
    double scale = 1;
    if (contentMode_ != ContentMode::center) {
        double horizontal = area.width() / natural.width;
        double vertical = area.height() / natural.height;
        scale = contentMode_ == ContentMode::scaleAspectFit ? std::min(horizontal, vertical)
                                                            : std::max(horizontal, vertical);
    }
    Size drawn{natural.width * scale, natural.height * scale};
    return {area.midX() - drawn.width / 2, area.midY() - drawn.height / 2, drawn.width,
            drawn.height};
}

// An asset whose size is not known yet has no size to offer either.
Size ImageView::intrinsicContentSize() const {
    if (!image_ || image_->size().width <= 0 || image_->size().height <= 0) {
        return {noIntrinsicMetric, noIntrinsicMetric};
    }
    return image_->size();
}

}  // namespace kit
