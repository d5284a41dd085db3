#pragma once

namespace kit {

enum class InterfaceStyle { light, dark };

// Red, green, blue and alpha in 0...1, not premultiplied.
struct Rgba {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;
    bool operator==(const Rgba&) const = default;
};

// A colour that may differ between light and dark appearance; it is resolved by the
// interface style of the window it is drawn in. A plain colour has the same value in both.
class Color {
  public:
    Color() = default;  // clear
    static Color rgba(double red, double green, double blue, double alpha = 1);
    static Color white(double white, double alpha = 1);
    static Color dynamic(Rgba light, Rgba dark);

    Rgba resolved(InterfaceStyle style) const {
        return style == InterfaceStyle::dark ? dark_ : light_;
    }
    // The light value: what a colour means outside any window.
    Rgba components() const { return light_; }
    bool isDynamic() const { return !(light_ == dark_); }
    Color withAlpha(double alpha) const;

    bool operator==(const Color&) const = default;

    static Color clearColor();
    static Color whiteColor();
    static Color blackColor();
    static Color grayColor();
    static Color labelColor();
    static Color secondaryLabelColor();
    static Color tertiaryLabelColor();
    static Color systemGrayColor();
    static Color systemGray2Color();
    static Color systemRedColor();
    static Color systemOrangeColor();
    static Color systemYellowColor();
    static Color systemGreenColor();
    static Color systemBlueColor();
    static Color systemTealColor();
    static Color systemIndigoColor();
    static Color systemPurpleColor();
    static Color systemPinkColor();

  private:
    Rgba light_;
    Rgba dark_;
};

}  // namespace kit
