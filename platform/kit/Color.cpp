#include "platform/kit/Color.h"

namespace kit {

namespace {

Rgba bytes(int red, int green, int blue, double alpha = 1) {
    return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

}  // namespace

Color Color::rgba(double red, double green, double blue, double alpha) {
    Rgba value{red, green, blue, alpha};
    return dynamic(value, value);
}

Color Color::white(double white, double alpha) {
    return rgba(white, white, white, alpha);
}

Color Color::dynamic(Rgba light, Rgba dark) {
    Color color;
    color.light_ = light;
    color.dark_ = dark;
    return color;
}

Color Color::withAlpha(double alpha) const {
    Rgba light = light_;
    Rgba dark = dark_;
    light.alpha = alpha;
    dark.alpha = alpha;
    return dynamic(light, dark);
}

// The phone's published system colour values, light then dark.
Color Color::clearColor() {
    return Color();
}
Color Color::whiteColor() {
    return white(1);
}
Color Color::blackColor() {
    return white(0);
}
Color Color::grayColor() {
    return white(0.5);
}
Color Color::labelColor() {
    return dynamic(bytes(0, 0, 0), bytes(255, 255, 255));
}
Color Color::secondaryLabelColor() {
    return dynamic(bytes(60, 60, 67, 0.6), bytes(235, 235, 245, 0.6));
}
Color Color::tertiaryLabelColor() {
    return dynamic(bytes(60, 60, 67, 0.3), bytes(235, 235, 245, 0.3));
}
Color Color::systemGrayColor() {
    return dynamic(bytes(142, 142, 147), bytes(142, 142, 147));
}
Color Color::systemGray2Color() {
    return dynamic(bytes(174, 174, 178), bytes(99, 99, 102));
}
Color Color::systemRedColor() {
    return dynamic(bytes(255, 59, 48), bytes(255, 69, 58));
}
Color Color::systemOrangeColor() {
    return dynamic(bytes(255, 149, 0), bytes(255, 159, 10));
}
Color Color::systemYellowColor() {
    return dynamic(bytes(255, 204, 0), bytes(255, 214, 10));
}
Color Color::systemGreenColor() {
    return dynamic(bytes(52, 199, 89), bytes(48, 209, 88));
}
Color Color::systemBlueColor() {
    return dynamic(bytes(0, 122, 255), bytes(10, 132, 255));
}
Color Color::systemTealColor() {
    return dynamic(bytes(48, 176, 199), bytes(64, 200, 224));
}
Color Color::systemIndigoColor() {
    return dynamic(bytes(88, 86, 214), bytes(94, 92, 230));
}
Color Color::systemPurpleColor() {
    return dynamic(bytes(175, 82, 222), bytes(191, 90, 242));
}
Color Color::systemPinkColor() {
    return dynamic(bytes(255, 45, 85), bytes(255, 55, 95));
}

}  // namespace kit
