#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/kit/ColorPickerViewController.h"
#include "tests/platform/kit/KitScreen.h"
#include "tests/platform/kit/RecordingController.h"

using kit::Color;
using kit::ColorPickerViewController;

namespace {

class Listener final : public kit::ColorPickerViewControllerDelegate {
  public:
    void colorPickerViewControllerDidSelectColor(
        const std::shared_ptr<ColorPickerViewController>& picker) override {
        picked.push_back(picker->selectedColor());
    }
    void colorPickerViewControllerDidFinish(
        const std::shared_ptr<ColorPickerViewController>&) override {
        ++finished;
    }
    std::vector<Color> picked;
    int finished = 0;
};

class ColorPickerTest : public kittest::DrivenTest {
  protected:
    void SetUp() override {
        show(home);
        picker->setDelegate(listener);
        picker->setSelectedColor(Color::rgba(1, 0, 0));
        home->present(picker, false);
        driver->settle();
    }
    std::shared_ptr<kittest::RecordingController> home =
        std::make_shared<kittest::RecordingController>("Home");
    std::shared_ptr<ColorPickerViewController> picker = ColorPickerViewController::make();
    std::shared_ptr<Listener> listener = std::make_shared<Listener>();
};

// A swatch tapped, and the close button, are the settings screen's road.
TEST_F(ColorPickerTest, ASwatchIsFoundByItsHexAndADragReportsEachColourUnderTheFinger) {
    ASSERT_TRUE(driver->tap("00FF00").ok());
    auto swatch = std::dynamic_pointer_cast<kit::Control>(driver->find("00FF00"));
    ASSERT_NE(swatch, nullptr);
    EXPECT_TRUE(swatch->isSelected());
    EXPECT_EQ(listener->picked, std::vector<Color>{Color::rgba(0, 1, 0)});

    auto area = picker->spectrum();
    auto left = area->convertToWindow({5, 5});
    auto right = area->convertToWindow({area->bounds().width() - 5, 5});
    ASSERT_TRUE(driver->drag(left, right).ok());
    EXPECT_GT(listener->picked.size(), 4u);
    EXPECT_EQ(picker->selectedColor(), listener->picked.back());
    EXPECT_FALSE(swatch->isSelected());
}

TEST_F(ColorPickerTest, TheSpectrumRunsThroughHuesAcrossAndDarkensDownwards) {
    auto area = picker->spectrum();
    double width = area->bounds().width();
    double height = area->bounds().height();
    EXPECT_EQ(area->colorAt({0, 0}).components(), Color::rgba(1, 0, 0).components());
    auto third = area->colorAt({width / 3, 0}).components();
    EXPECT_NEAR(third.green, 1, 1e-9);
    EXPECT_NEAR(third.red, 0, 1e-9);
    auto bottom = area->colorAt({0, height}).components();
    EXPECT_NEAR(bottom.red, 0.2, 1e-9);
    EXPECT_EQ(area->colorAt({-50, -50}), area->colorAt({0, 0})) << "outside points clamp in";
}

TEST_F(ColorPickerTest, ASwipeDownClosesItAndTellsTheDelegateOnce) {
    double top = picker->view()->convertToWindow({0, 0}).y;
    ASSERT_TRUE(driver->drag({100, top + 8}, {100, top + 200}).ok());
    driver->wait(1);
    EXPECT_EQ(home->presentedViewController(), nullptr);
    EXPECT_EQ(listener->finished, 1);
    EXPECT_TRUE(listener->picked.empty()) << "neither closing nor a colour set in code is a pick";
}

}  // namespace
