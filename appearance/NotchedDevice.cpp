#include "appearance/NotchedDevice.h"

#include <array>

#include "platform/kit/Screen.h"

namespace kelvora {

namespace NotchedDevice {

bool isNotched() {
    return isNotchedScreenHeight(kit::Screen::main().bounds().height());
}

bool isNotchedScreenHeight(double height) {
    // Only these heights count: a later notched screen (932 points, for one) is not
    // recognised, and its top bars get the height of a screen without a notch.
    static constexpr std::array<double, 4> notchedHeights = {812, 896, 844, 926};
    for (double notched : notchedHeights) {
        if (height == notched) {
            return true;
        }
    }
    return false;
}

}  // namespace NotchedDevice

}  // namespace kelvora
