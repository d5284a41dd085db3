#include <gtest/gtest.h>

#include "appearance/NotchedDevice.h"
#include "appearance/SetupAppearance.h"
#include "platform/kit/Screen.h"
#include "platform/kit/View.h"
#include "platform/kit/Window.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"

namespace kelvora {

using kit::InterfaceStyle;
using kit::Rgba;

namespace {

// Hex colours pass through single precision in the codec, far below one step of 1/255.
void expectNear(const Rgba& actual, const Rgba& expected, const char* name) {
    EXPECT_NEAR(actual.red, expected.red, 1e-6) << name;
    EXPECT_NEAR(actual.green, expected.green, 1e-6) << name;
    EXPECT_NEAR(actual.blue, expected.blue, 1e-6) << name;
    EXPECT_NEAR(actual.alpha, expected.alpha, 1e-6) << name;
}

TEST(Palette, ScreenBackgroundFollowsTheWindowsStyle) {
    auto window = std::make_shared<kit::Window>(kit::Screen::notched());
    auto root = std::make_shared<kit::View>();
    window->setRootView(root);
    root->setBackgroundColor(SetupAppearance::primaryColour());

    window->setOverrideInterfaceStyle(InterfaceStyle::dark);
    expectNear(root->resolvedColor(root->backgroundColor()), {0.11, 0.11, 0.12, 1}, "dark");
    window->setOverrideInterfaceStyle(InterfaceStyle::light);
    expectNear(root->resolvedColor(root->backgroundColor()), {0.95, 0.95, 0.96, 1}, "light");
}

// What a stored value of the wrong kind reads as is the store's; here the key and its default.
TEST(AccentColour, FollowsTheStoredHexOnTheNextCallAndDefaultsToTeal) {
    testsupport::DeviceRoot root;
    root.makeFolder("/var/jb/vmo/Library/Preferences");
    expectNear(SetupAppearance::setupAccentColour().components(),
               {4 / 255.0, 199 / 255.0, 190 / 255.0, 1}, "nothing stored");
    SetupManager::sharedInstance().setObject(foundation::PlistValue("FF0000"), "accentColour",
                                             std::string("com.zerovin.KelvoraPrefs"));
    expectNear(SetupAppearance::setupAccentColour().components(), {1, 0, 0, 1}, "red");
}

TEST(NotchedDevice, OnlyTheTabledHeightsOfTheMainScreenCountAsNotched) {
    for (double height : {812.0, 896.0, 844.0, 926.0}) {
        EXPECT_TRUE(NotchedDevice::isNotchedScreenHeight(height)) << height;
    }
    for (double height : {667.0, 736.0, 932.0, 844.5, 0.0}) {
        EXPECT_FALSE(NotchedDevice::isNotchedScreenHeight(height)) << height;
    }
    kit::Screen saved = kit::Screen::main();
    kit::Screen::main() = kit::Screen::notched();
    EXPECT_TRUE(NotchedDevice::isNotched());
    kit::Screen::main() = kit::Screen::classic();
    EXPECT_FALSE(NotchedDevice::isNotched());
    kit::Screen::main() = saved;
}

}  // namespace

}  // namespace kelvora
