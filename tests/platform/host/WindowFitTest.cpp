#include <gtest/gtest.h>

#include "platform/host/EventFilter.h"
#include "platform/host/WindowFit.h"

namespace {

using host::EventFilter;
using host::WindowFit;

const kit::Size notched{390, 844};

TEST(WindowFitTest, TheWindowTakesTwoPixelsAPointOnlyWhereThatFitsAndNeverFallsOffTheDisplay) {
    WindowFit::Display fullHd{{1920, 1010}, 1};
    WindowFit::Display dense{{1920, 1010}, 2};  // a 4K display counted in coordinates
    EXPECT_EQ(WindowFit::defaultScale(notched, fullHd), 1);
    EXPECT_EQ(WindowFit::defaultScale(notched, dense), 2);
    EXPECT_EQ(WindowFit::defaultScale(notched, WindowFit::Display{{780, 1688}, 1}), 2) << "just";
    EXPECT_EQ(WindowFit::windowSize(notched, 2, dense), (kit::Size{390, 844}));

    kit::Size asked = WindowFit::windowSize(notched, 2, fullHd);
    EXPECT_LE(asked.height, 1010);
    EXPECT_NEAR(asked.width / asked.height, 390.0 / 844, 0.002) << "same shape";
    EXPECT_EQ(WindowFit::windowSize(notched, 1, WindowFit::Display{{1366, 700}, 1}).height, 700);
}

TEST(WindowFitTest, AFrameFillsTheWindowWholeAtItsOwnScaleBetweenBars) {
    auto wide = WindowFit::place(notched, {1000, 1688});
    EXPECT_DOUBLE_EQ(wide.scale, 2);
    EXPECT_EQ(wide.frame, (kit::Rect{110, 0, 780, 1688}));

    auto odd = WindowFit::place(notched, {500, 900});
    EXPECT_NEAR(odd.scale, 900.0 / 844, 1e-12);
    EXPECT_LE(odd.frame.maxX(), 500);
    EXPECT_EQ(odd.frame.height(), 900);
    EXPECT_NEAR(odd.frame.minX(), 500 - odd.frame.maxX(), 1) << "centred";
}

TEST(WindowFitTest, HoveringDrawsNothingAndCtrlQOrWQuits) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    EXPECT_FALSE(EventFilter::needsFrame(event, false));
    EXPECT_TRUE(EventFilter::needsFrame(event, true)) << "a drag";
    event.type = SDL_MOUSEBUTTONDOWN;
    EXPECT_TRUE(EventFilter::needsFrame(event, false));
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_q;
    EXPECT_FALSE(EventFilter::quits(event)) << "typing a q";
    event.key.keysym.mod = KMOD_LCTRL;
    EXPECT_TRUE(EventFilter::quits(event));
    event.key.keysym.sym = SDLK_w;
    EXPECT_TRUE(EventFilter::quits(event));
}

}  // namespace
