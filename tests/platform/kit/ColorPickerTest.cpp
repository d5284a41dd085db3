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

TEST_F(ColorPickerTest, EveryPickByTapOrDragTellsTheDelegate) {
    auto swatch = picker->swatches()[5 * ColorPickerViewController::gridColumns + 4];
    auto centre = swatch->convertToWindow({swatch->bounds().midX(), swatch->bounds().midY()});
    ASSERT_TRUE(driver->tapAt(centre).ok());
    ASSERT_EQ(listener->picked.size(), 1u);
    EXPECT_EQ(listener->picked[0], ColorPickerViewController::swatchColor(5, 4));
    EXPECT_TRUE(swatch->isSelected());

    // A drag over the spectrum reports each new colour under the finger.
    auto area = picker->spectrum();
    auto left = area->convertToWindow({5, 5});
    auto right = area->convertToWindow({area->bounds().width() - 5, 5});
    ASSERT_TRUE(driver->drag(left, right).ok());
    EXPECT_GT(listener->picked.size(), 3u);
    EXPECT_EQ(picker->selectedColor(), listener->picked.back());
    EXPECT_FALSE(swatch->isSelected());

    ASSERT_TRUE(driver->tap("FF0000").ok()) << "a swatch is found by its hex digits";
    EXPECT_EQ(listener->picked.back().components(), (kit::Rgba{1, 0, 0, 1}));
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

TEST_F(ColorPickerTest, ClosingTellsTheDelegateOnceWhetherByButtonOrBySwipe) {
    ASSERT_TRUE(driver->tap("xmark.circle.fill").ok());
    driver->wait(1);
    EXPECT_EQ(listener->finished, 1);
    EXPECT_EQ(home->presentedViewController(), nullptr);

    auto again = ColorPickerViewController::make();
    again->setDelegate(listener);
    home->present(again, false);
    driver->settle();
    double top = again->view()->convertToWindow({0, 0}).y;
    ASSERT_TRUE(driver->drag({100, top + 8}, {100, top + 200}).ok());
    driver->wait(1);
    EXPECT_EQ(listener->finished, 2);
    EXPECT_TRUE(listener->picked.empty()) << "neither closing nor a colour set in code is a pick";
}

}  // namespace
