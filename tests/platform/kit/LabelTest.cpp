#include "platform/kit/Label.h"

#include <gtest/gtest.h>

#include "platform/kit/LayoutConstraint.h"
#include "tests/platform/kit/KitScreen.h"

namespace {

using kit::Font;
using kit::Label;

const std::string emptyMessage = "You don't have any files. \nPress the plus button to add files.";

TEST(Label, IntrinsicSizeGrowsWithTheText) {
    Label label;
    EXPECT_EQ(label.intrinsicContentSize(), (kit::Size{0, 0}));
    label.setText("Setup");
    kit::Size shortText = label.intrinsicContentSize();
    label.setText("Setup with a much longer name");
    kit::Size longText = label.intrinsicContentSize();
    EXPECT_GT(longText.width, shortText.width);
    EXPECT_EQ(longText.height, shortText.height);
    label.setFont(Font::boldSystemFontOfSize(34));
    EXPECT_GT(label.intrinsicContentSize().height, 2 * shortText.height - 2);
}

TEST(Label, LineLimitCapsTheHeightAndTheWrappedHeight) {
    Label label;
    label.setFont(Font::systemFontOfSize(22, kit::FontWeight::semibold));
    label.setText("one\ntwo\nthree\nfour");
    double line = std::ceil(label.font().lineHeight());
    EXPECT_NEAR(label.intrinsicContentSize().height, line, 1) << "one line by default";
    label.setNumberOfLines(3);
    EXPECT_NEAR(label.intrinsicContentSize().height, 3 * label.font().lineHeight(), 1);
    label.setNumberOfLines(0);
    EXPECT_NEAR(label.intrinsicContentSize().height, 4 * label.font().lineHeight(), 1);
    label.setNumberOfLines(-2);
    EXPECT_EQ(label.numberOfLines(), 0);

    label.setText(emptyMessage);
    label.setNumberOfLines(1);
    EXPECT_FALSE(label.heightForWidth(100)) << "a one-line label does not wrap";
    label.setNumberOfLines(0);
    double wide = *label.heightForWidth(1000);
    double narrow = *label.heightForWidth(120);
    EXPECT_GT(narrow, wide);
    label.setNumberOfLines(2);
    EXPECT_NEAR(*label.heightForWidth(120), 2 * label.font().lineHeight(), 1);
}

TEST(Label, MultiLineLabelTakesItsHeightAtTheWidthItIsGiven) {
    kittest::KitScreen screen;
    auto label = std::make_shared<Label>();
    label->setText(emptyMessage);
    label->setNumberOfLines(3);
    label->setFont(Font::systemFontOfSize(22, kit::FontWeight::semibold));
    label->setTranslatesAutoresizingMaskIntoConstraints(false);
    screen.root->addSubview(label);
    kit::LayoutConstraint::activateConstraints({
        label->leadingAnchor().constraintEqualToAnchor(screen.root->leadingAnchor(), 20),
        label->trailingAnchor().constraintEqualToAnchor(screen.root->trailingAnchor(), -20),
        label->centerYAnchor().constraintEqualToAnchor(screen.root->centerYAnchor()),
    });
    screen.window->layoutIfNeeded();
    EXPECT_EQ(label->frame().width(), 350);
    EXPECT_EQ(label->frame().height(), *label->heightForWidth(350));
    EXPECT_GT(label->frame().height(), 2 * label->font().lineHeight());
}

TEST(Label, TextAndInlineImageReplaceEachOther) {
    Label label;
    label.setText("gear");
    label.setAttachmentImage(
        kit::Image::systemImageNamed("gear")->imageWithTintColor(kit::Color::whiteColor()));
    EXPECT_EQ(label.text(), "");
    EXPECT_EQ(label.intrinsicContentSize().width, 17) << "the image keeps its own size";
    label.setText("");
    EXPECT_FALSE(label.attachmentImage());
    EXPECT_EQ(label.intrinsicContentSize(), (kit::Size{0, 0}));
}

}  // namespace
