#include "platform/kit/CollectionViewFlowLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using kit::CollectionViewFlowLayout;
using kit::Rect;
using kit::Size;

using Section = CollectionViewFlowLayout::Section;

Section section(std::vector<Size> sizes, double interitem = 10, double line = 10,
                kit::EdgeInsets insets = {}) {
    return {std::move(sizes), insets, interitem, line};
}

std::vector<Rect> framesOf(const Section& only, double width) {
    return CollectionViewFlowLayout::layout({only}, width).frames.at(0);
}

// A row spread across the width, and six cells of a sixth filling one, are fixed by the
// setup and icon screens' golden files.
TEST(CollectionViewFlowLayout, ItemsShorterThanTheirRowAreCentredInIt) {
    auto frames = framesOf(section({{100, 50}, {100, 100}, {390, 20}}, 10, 5), 390);
    EXPECT_EQ(frames[0], (Rect{0, 25, 100, 50}));
    EXPECT_EQ(frames[1], (Rect{290, 0, 100, 100}));
    EXPECT_EQ(frames[2], (Rect{0, 105, 390, 20}));
}

TEST(CollectionViewFlowLayout, SectionsFollowOneAnotherInsideTheirInsets) {
    auto result = CollectionViewFlowLayout::layout(
        {section({{100, 50}, {100, 50}}, 10, 10, {20, 10, 20, 10}),
         section({}, 10, 10, {5, 0, 5, 0}), section({{500, 50}, {10, 10}}, 10, 10, {0, 10, 0, 10})},
        390);
    EXPECT_EQ(result.frames[0][0], (Rect{10, 20, 100, 50}));
    EXPECT_EQ(result.frames[0][1], (Rect{280, 20, 100, 50}));
    EXPECT_TRUE(result.frames[1].empty());
    // An item wider than the space sits alone at the left inset; the next one goes below.
    EXPECT_EQ(result.frames[2][0], (Rect{10, 100, 500, 50}));
    EXPECT_EQ(result.frames[2][1], (Rect{10, 160, 10, 10}));
    EXPECT_EQ(result.contentHeight, 170);
}

TEST(CollectionViewFlowLayout, ValuesThatAreNotSensibleCountAsZero) {
    double nan = std::nan("");
    double infinity = std::numeric_limits<double>::infinity();
    auto result = CollectionViewFlowLayout::layout(
        {section({{nan, 50}, {100, -20}, {100, infinity}}, -30, nan, {infinity, nan, 0, 0})}, 390);
    const auto& frames = result.frames[0];
    EXPECT_EQ(frames[0], (Rect{0, 0, 0, 50}));
    EXPECT_EQ(frames[1], (Rect{95, 25, 100, 0}));
    EXPECT_EQ(frames[2], (Rect{290, 25, 100, 0}));
    EXPECT_EQ(result.contentHeight, 50);
}

}  // namespace
