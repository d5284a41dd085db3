#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/FaultHook.h"
#include "platform/kit/Driver.h"
#include "platform/kit/Screen.h"
#include "platform/kit/ViewController.h"
#include "platform/kit/Window.h"
#include "tests/support/DeviceRoot.h"
#include "tests/support/LogCapture.h"

namespace testsupport {

// What every screen test stands on: a fresh device root, the log lines written, a key window
// of a device's screen holding the screen under test, and a driver that touches and waits as
// a person does. The device's locale and zone are en_US and UTC, so dates read the same on
// every machine.
class ScreenHarness {
  public:
    explicit ScreenHarness(kit::Screen screen = kit::Screen::notched());
    ~ScreenHarness();
    ScreenHarness(const ScreenHarness&) = delete;
    ScreenHarness& operator=(const ScreenHarness&) = delete;

    // Shows `controller` in a new window, as a launch does, and lets its first turn run.
    void show(std::shared_ptr<kit::ViewController> controller);
    // Shows a bare view as the window's root, for views that need no controller.
    void showView(std::shared_ptr<kit::View> view);

    // Taps the view showing `text` and fails the test when there is none.
    void tap(std::string_view text);
    // Taps and lets every transition and closing step run.
    void tapAndWait(std::string_view text);

    // Makes every file operation of `kind` on a device path starting with `prefix` fail.
    static void failUnder(foundation::FaultKind kind, std::string prefix, int error);

    DeviceRoot root;
    LogCapture log;
    std::shared_ptr<kit::Window> window;
    std::unique_ptr<kit::Driver> driver;

  private:
    // Makes the window key and visible, drives it and lets its first turn run.
    void start();

    kit::Screen screen_;
};

// The names of every entry of a folder, hidden ones included, in byte order.
std::vector<std::string> entries(const std::filesystem::path& folder);

}  // namespace testsupport
