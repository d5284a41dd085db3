#include <gtest/gtest.h>

#include "platform/host/EventFilter.h"
#include "platform/host/WindowFit.h"

namespace {

using host::EventFilter;
using host::WindowFit;

const kit::Size notched{390, 844};

TEST(WindowFitTest, TheWindowTakesTwoPixelsAPointOnlyWhereThatFitsAndNeverFallsOffTheDisplay) {
    WindowFit::Display fullHd{{1920, 1010}, 1};
    WindowFit::Display fourK{{3840, 2090}, 1};
    WindowFit::Display dense{{1920, 1010}, 2};  // a 4K display counted in coordinates
    EXPECT_EQ(WindowFit::defaultScale(notched, fullHd), 1);
    EXPECT_EQ(WindowFit::defaultScale(notched, fourK), 2);
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
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    EXPECT_FALSE(EventFilter::needsFrame(motion, false));
    EXPECT_TRUE(EventFilter::needsFrame(motion, true)) << "a drag";
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    EXPECT_TRUE(EventFilter::needsFrame(button, false));

    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_q;
    EXPECT_FALSE(EventFilter::quits(key)) << "typing a q";
    key.key.keysym.mod = KMOD_LCTRL;
    EXPECT_TRUE(EventFilter::quits(key));
    key.key.keysym.sym = SDLK_w;
    EXPECT_TRUE(EventFilter::quits(key));
}

}  // namespace
