#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "appearance/NotchedDevice.h"
#include "appearance/SetupAppearance.h"
#include "platform/kit/Screen.h"
#include "platform/kit/View.h"
#include "platform/kit/Window.h"
#include "store/SetupManager.h"
#include "tests/support/DeviceRoot.h"

using kit::InterfaceStyle;
using kit::Rgba;

namespace {

const SetupManager::DomainID kPrefs = std::string("com.zerovin.KelvoraPrefs");

// Hex colours pass through single precision in the codec, far below one step of 1/255.
void expectNear(const Rgba& actual, const Rgba& expected, const char* name) {
    EXPECT_NEAR(actual.red, expected.red, 1e-6) << name;
    EXPECT_NEAR(actual.green, expected.green, 1e-6) << name;
    EXPECT_NEAR(actual.blue, expected.blue, 1e-6) << name;
    EXPECT_NEAR(actual.alpha, expected.alpha, 1e-6) << name;
}

TEST(Palette, EachColourResolvesToItsLightAndDarkValue) {
    struct Case {
        const char* name;
        kit::Color colour;
        Rgba light;
        Rgba dark;
    };
    using namespace SetupAppearance;
    const Case cases[] = {
        {"primary", primaryColour(), {0.95, 0.95, 0.96, 1}, {0.11, 0.11, 0.12, 1}},
        {"secondary", secondaryColour(), {1, 1, 1, 1}, {0.17, 0.17, 0.18, 1}},
        {"tertiary", tertiaryColour(), {0.93, 0.93, 0.94, 1}, {0.24, 0.24, 0.25, 1}},
        {"line", lineColour(), {0.85, 0.85, 0.86, 1}, {0.21, 0.21, 0.22, 1}},
        {"cellSecondary", cellSecondaryColour(), {0.91, 0.91, 0.91, 1}, {0.2, 0.2, 0.22, 1}},
        {"enabled", enabledColour(), {0.33, 0.91, 0.49, 1}, {0.33, 0.91, 0.49, 1}},
        {"enabledBorder", enabledBorderColour(), {0.3, 0.92, 0.48, 1}, {0.29, 0.87, 0.45, 1}},
        {"enabledShadow", enabledShadowColour(), {0.3, 0.81, 0.42, 1}, {0.24, 0.96, 0.4, 1}},
        {"disabled", disabledColour(), {1, 0.27, 0.23, 1}, {1, 0.27, 0.23, 1}},
        {"disabledBorder", disabledBorderColour(), {0.97, 0.3, 0.25, 1}, {0.97, 0.3, 0.26, 1}},
        {"disabledShadow", disabledShadowColour(), {0.87, 0.19, 0.15, 1}, {0.76, 0.13, 0.09, 1}},
    };
    for (const Case& c : cases) {
        expectNear(c.colour.resolved(InterfaceStyle::light), c.light, c.name);
        expectNear(c.colour.resolved(InterfaceStyle::dark), c.dark, c.name);
    }
}

TEST(Palette, BackgroundFollowsTheStyleOfTheWindowItIsDrawnIn) {
    auto window = std::make_shared<kit::Window>(kit::Screen::notched());
    auto root = std::make_shared<kit::View>();
    window->setRootView(root);
    root->setBackgroundColor(SetupAppearance::primaryColour());

    window->setOverrideInterfaceStyle(InterfaceStyle::dark);
    expectNear(root->resolvedColor(root->backgroundColor()), {0.11, 0.11, 0.12, 1}, "dark");
    window->setOverrideInterfaceStyle(InterfaceStyle::light);
    expectNear(root->resolvedColor(root->backgroundColor()), {0.95, 0.95, 0.96, 1}, "light");
}

constexpr std::string_view kPrefsFile =
    "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraPrefs.plist";
const Rgba kDefaultAccent{4 / 255.0, 199 / 255.0, 190 / 255.0, 1};

TEST(AccentColour, FollowsTheStoredHexOnTheNextCall) {
    testsupport::DeviceRoot root;
    root.makeFolder("/var/jb/vmo/Library/Preferences");
    auto& store = SetupManager::sharedInstance();

    expectNear(SetupAppearance::setupAccentColour().components(), kDefaultAccent, "default");

    store.setObject(foundation::PlistValue("FF0000"), "accentColour", kPrefs);
    expectNear(SetupAppearance::setupAccentColour().components(), {1, 0, 0, 1}, "stored red");

    store.setObject(foundation::PlistValue("0000ff"), "accentColour", kPrefs);
    expectNear(SetupAppearance::setupAccentColour().components(), {0, 0, 1, 1}, "stored blue");

    store.removeObjectForKey("accentColour", kPrefs);
    expectNear(SetupAppearance::setupAccentColour().components(), kDefaultAccent, "removed");
}

TEST(AccentColour, UnusableSettingsGiveTheDefault) {
    testsupport::DeviceRoot root;
    root.write(kPrefsFile, "<plist><dict><key>accentColour</key><string>FF0000");
    expectNear(SetupAppearance::setupAccentColour().components(), kDefaultAccent, "malformed");
    EXPECT_EQ(root.read(kPrefsFile), "<plist><dict><key>accentColour</key><string>FF0000")
        << "reading the accent never rewrites the settings file";

    std::filesystem::remove(root.host(kPrefsFile));
    SetupManager::sharedInstance().setObject(foundation::PlistValue(std::int64_t{42}),
                                             "accentColour", kPrefs);
    expectNear(SetupAppearance::setupAccentColour().components(), kDefaultAccent, "a number");
}

TEST(NotchedDevice, OnlyTheTabledHeightsCountAsNotched) {
    for (double height : {812.0, 896.0, 844.0, 926.0}) {
        EXPECT_TRUE(NotchedDevice::isNotchedScreenHeight(height)) << height;
    }
    for (double height : {667.0, 736.0, 932.0, 844.5, 0.0, -844.0}) {
        EXPECT_FALSE(NotchedDevice::isNotchedScreenHeight(height)) << height;
    }
}

TEST(NotchedDevice, DecidedByTheMainScreen) {
    kit::Screen saved = kit::Screen::main();

    kit::Screen::main() = kit::Screen::notched();
    EXPECT_TRUE(NotchedDevice::isNotched());
    kit::Screen::main() = kit::Screen::classic();
    EXPECT_FALSE(NotchedDevice::isNotched());

    kit::Screen::main() = saved;
}

}  // namespace
