#include "platform/kit/Label.h"

#include <gtest/gtest.h>

namespace {

using kit::Font;
using kit::Label;

const std::string emptyMessage = "You don't have any files. \nPress the plus button to add files.";

// A label's measured size, one line by default, is fixed by the golden files.
// How lines are cut is the text layout's; the label only decides when it wraps at all.
TEST(Label, OnlyAMultiLineLabelWrapsAndNegativeLineCountsMeanNoLimit) {
    Label label;
    label.setText(emptyMessage);
    EXPECT_FALSE(label.heightForWidth(100)) << "a one-line label does not wrap";
    label.setNumberOfLines(-2);
    EXPECT_EQ(label.numberOfLines(), 0);
    EXPECT_GT(*label.heightForWidth(120), *label.heightForWidth(1000));
    label.setNumberOfLines(2);
    EXPECT_NEAR(*label.heightForWidth(120), 2 * label.font().lineHeight(), 1);
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
