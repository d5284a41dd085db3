#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/kit/NavigationController.h"
#include "settings/RestorePointsViewController.h"
#include "store/RestorePoints.h"
#include "tests/settings/SettingsScreenFixture.h"

namespace kelvora {

namespace {

constexpr std::string_view kPrefs = "/var/jb/vmo/Library/Preferences/";

class RestorePointsScreenTest : public SettingsScreenFixture {
  protected:
    void SetUp() override {
        SettingsScreenFixture::SetUp();
        root.write("/var/mobile/Kelvora/Original/a.plist", "original a");
        root.write(std::string(kPrefs) + "a.plist", "changed a");
        writeResource({header("Original Files"),
                       entry("ZerovinPrefsButtonCell",
                             {{"Title", "Restore Original Files"},
                              {"Action", "presentRestoreOriginalFilesConfirmation"}}),
                       entry("ZerovinPrefsButtonCell",
                             {{"Title", "Restore Points"}, {"Action", "presentRestorePointsVC"}})});
        showScreen();
    }
    void tap(std::string_view text) {
        auto tapped = driver->tap(text);
        EXPECT_TRUE(tapped.ok()) << (tapped.ok() ? "" : tapped.error().description);
        driver->wait(1);
    }
    std::vector<std::string> listed() const {
        auto navigation =
            std::dynamic_pointer_cast<kit::NavigationController>(screen->presentedViewController());
        auto list = navigation ? std::dynamic_pointer_cast<RestorePointsViewController>(
                                     navigation->topViewController())
                               : nullptr;
        std::vector<std::string> titles;
        for (const auto& point : list ? list->points() : std::vector<RestorePoint>{}) {
            titles.push_back(point.damaged ? "damaged" : point.restored);
        }
        return titles;
    }
};

// The originals are restored, then put back from the list, whose newest point is then the
// put back's own; a damaged point among them is listed and deleted.
TEST_F(RestorePointsScreenTest, APointIsPutBackFromTheListAndADamagedOneDeleted) {
    tap("Restore Points");
    EXPECT_TRUE(driver->isShowing("No restore points yet.\nEvery restore leaves one here."));
    tap("Done");
    tap("Restore Original Files");
    tap("Restore Original Files");
    tap("Okay");
    root.write(std::string(RestorePoints::kFolder) + "/20000101-000000.000/Manifest.plist", "?");

    tap("Restore Points");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Original Files", "damaged"}));
    EXPECT_TRUE(driver->isShowing("1 file"));
    tap("Original Files");
    tap("Put Back");
    EXPECT_EQ(root.read(std::string(kPrefs) + "a.plist"), "changed a");
    EXPECT_TRUE(driver->isShowing("Undo Original Files"));
    tap("Okay");
    EXPECT_EQ(listed(),
              (std::vector<std::string>{"Undo Original Files", "Original Files", "damaged"}));

    tap("Damaged Restore Point");
    EXPECT_FALSE(driver->isShowing("Put Back"));
    tap("Delete");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Undo Original Files", "Original Files"}));
}

}  // namespace

}  // namespace kelvora
