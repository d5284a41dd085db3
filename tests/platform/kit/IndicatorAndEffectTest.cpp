#include <gtest/gtest.h>

#include "platform/kit/ActivityIndicatorView.h"
#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/VisualEffectView.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

TEST(ActivityIndicatorView, HidesWhileStoppedUnlessToldNotTo) {
    kit::ActivityIndicatorView spinner;
    EXPECT_TRUE(spinner.isHidden()) << "a new indicator is stopped, so hidden";
    spinner.startAnimating();
    EXPECT_TRUE(spinner.isAnimating());
    EXPECT_FALSE(spinner.isHidden());
    spinner.stopAnimating();
    spinner.stopAnimating();
    EXPECT_TRUE(spinner.isHidden());
    EXPECT_FALSE(spinner.isAnimating());
    spinner.setHidesWhenStopped(false);
    EXPECT_FALSE(spinner.isHidden());
}

TEST(VisualEffectView, ContentViewFillsItThroughLayout) {
    kittest::KitScreen screen;
    auto blur = kit::VisualEffectView::make(kit::BlurEffectStyle::systemChromeMaterial);
    screen.root->addSubview(blur);
    blur->setTranslatesAutoresizingMaskIntoConstraints(false);
    kit::LayoutConstraint::activateConstraints({
        blur->topAnchor().constraintEqualToAnchor(screen.root->topAnchor()),
        blur->leadingAnchor().constraintEqualToAnchor(screen.root->leadingAnchor()),
        blur->trailingAnchor().constraintEqualToAnchor(screen.root->trailingAnchor()),
        blur->heightAnchor().constraintEqualToConstant(91.5),
    });
    screen.window->layoutIfNeeded();
    EXPECT_EQ(blur->frame(), kit::Rect(0, 0, 390, 91.5));
    EXPECT_EQ(blur->contentView()->frame(), kit::Rect(0, 0, 390, 91.5));
}

}  // namespace
