#include <gtest/gtest.h>

#include "platform/kit/ActivityIndicatorView.h"

namespace {

// The blur's content view filling it is fixed by the navigation bar goldens.
TEST(ActivityIndicatorView, HidesWhileStoppedUnlessToldNotTo) {
    kit::ActivityIndicatorView spinner;
    EXPECT_TRUE(spinner.isHidden()) << "a new indicator is stopped, so hidden";
    spinner.startAnimating();
    EXPECT_FALSE(spinner.isHidden());
    spinner.stopAnimating();
    spinner.stopAnimating();
    EXPECT_TRUE(spinner.isHidden());
    EXPECT_FALSE(spinner.isAnimating());
    spinner.setHidesWhenStopped(false);
    EXPECT_FALSE(spinner.isHidden());
}

}  // namespace
