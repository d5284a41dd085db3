#include "tests/support/ScreenHarness.h"

#include <algorithm>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/FileManager.h"

namespace testsupport {

ScreenHarness::ScreenHarness(kit::Screen screen) : screen_(screen) {
    foundation::DateFormatter::setDeviceLocale("en_US");
    foundation::DateFormatter::setDeviceTimeZone("UTC");
}

ScreenHarness::~ScreenHarness() {
    foundation::DateFormatter::setDeviceLocale("");
    foundation::DateFormatter::setDeviceTimeZone("");
}

void ScreenHarness::show(std::shared_ptr<kit::ViewController> controller) {
    window = std::make_shared<kit::Window>(screen_);
    window->setRootViewController(std::move(controller));
    start();
}

void ScreenHarness::showView(std::shared_ptr<kit::View> view) {
    window = std::make_shared<kit::Window>(screen_);
    window->setRootView(std::move(view));
    start();
}

void ScreenHarness::start() {
    window->makeKeyAndVisible();
    driver = std::make_unique<kit::Driver>(window);
    driver->settle();
}

void ScreenHarness::tap(std::string_view text) {
    auto tapped = driver->tap(text);
    EXPECT_TRUE(tapped.ok()) << (tapped.ok() ? "" : tapped.error().description);
}

void ScreenHarness::tapAndWait(std::string_view text) {
    tap(text);
    driver->wait(1);
}

void ScreenHarness::failUnder(foundation::FaultKind kind, std::string prefix, int error) {
    foundation::FileManager::defaultManager().setFaultHook(
        [kind, prefix, error](foundation::FaultKind fault,
                              std::string_view path) -> std::optional<int> {
            if (fault == kind && path.substr(0, prefix.size()) == prefix) {
                return error;
            }
            return std::nullopt;
        });
}

std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace testsupport
