#include "platform/kit/ColorSpectrumControl.h"

#include <algorithm>
#include <cmath>

namespace kit {

namespace {

// The darkest row is not black, which the swatch grid already offers.
constexpr double minimumBrightness = 0.2;

}  // namespace

Color ColorSpectrumControl::hsb(double hue, double saturation, double brightness) {
    double h = std::fmod(std::max(0.0, hue), 1.0) * 6;
    int sector = static_cast<int>(h);
    double f = h - sector;
    double p = brightness * (1 - saturation);
    double q = brightness * (1 - saturation * f);
    double t = brightness * (1 - saturation * (1 - f));
    double b = brightness;
    switch (sector) {
        case 0:
            return Color::rgba(b, t, p);
        case 1:
            return Color::rgba(q, b, p);
        case 2:
            return Color::rgba(p, b, t);
        case 3:
            return Color::rgba(p, q, b);
        case 4:
            return Color::rgba(t, p, b);
        default:
            return Color::rgba(b, p, q);
    }
}

std::shared_ptr<ColorSpectrumControl> ColorSpectrumControl::make() {
    auto control = std::make_shared<ColorSpectrumControl>();
    control->setClipsToBounds(true);
    control->setCornerRadius(8);
    for (int index = 0; index < columns * rows; ++index) {
        auto cell = std::make_shared<View>();
        cell->setUserInteractionEnabled(false);
        control->addSubview(cell);
        control->cells_.push_back(cell);
    }
    return control;
}

Color ColorSpectrumControl::colorAt(Point point) const {
    Rect area = bounds();
    if (area.isEmpty()) {
        return hsb(0, 1, 1);
    }
    double x = std::clamp((point.x - area.minX()) / area.width(), 0.0, 1.0);
    double y = std::clamp((point.y - area.minY()) / area.height(), 0.0, 1.0);
    // Hue wraps at the right edge, so the last column stays short of red again.
    double hue = std::min(x, 1.0 - 1.0 / (columns * 4));
    return hsb(hue, 1, 1 - y * (1 - minimumBrightness));
}

void ColorSpectrumControl::layoutSubviews() {
    double width = bounds().width() / columns;
    double height = bounds().height() / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            Rect frame{column * width, row * height, width, height};
            auto& cell = cells_[static_cast<std::size_t>(row * columns + column)];
            cell->setFrame(frame);
            cell->setBackgroundColor(colorAt(frame.center()));
        }
    }
}

void ColorSpectrumControl::touchesBegan(const Touch& touch) {
    Control::touchesBegan(touch);
    pick(touch);
}

void ColorSpectrumControl::touchesMoved(const Touch& touch) {
    Control::touchesMoved(touch);
    pick(touch);
}

void ColorSpectrumControl::pick(const Touch& touch) {
    if (!isEnabled()) {
        return;
    }
    Color picked = colorAt(touch.locationIn(*this));
    if (picked == value_) {
        return;
    }
    value_ = picked;
    sendActionsForControlEvents(ControlEvents::valueChanged);
}

}  // namespace kit
