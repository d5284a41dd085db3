#include "platform/kit/Screen.h"

namespace kit {

Screen Screen::notched() {
    return Screen({0, 0, 390, 844}, {47, 0, 34, 0});
}

Screen Screen::classic() {
    return Screen({0, 0, 375, 667}, {20, 0, 0, 0});
}

Screen& Screen::main() {
    static Screen screen = notched();
    return screen;
}

}  // namespace kit
