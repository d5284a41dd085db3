#include <gtest/gtest.h>

#include "platform/kit/Image.h"

namespace {

// Installs a resolver for one test and puts the previous one back.
class ImageResolverTest : public ::testing::Test {
  protected:
    void TearDown() override { kit::Image::setResolver(previous); }

    void install() {
        previous = kit::Image::setResolver(
            {[](std::string_view name) { return name == "gear" || name == "plus"; },
             [](std::string_view name) -> std::optional<kit::Size> {
                 if (name == "kelvora") {
                     return kit::Size{60, 60};
                 }
                 return std::nullopt;
             }});
    }

    kit::Image::Resolver previous;
};

TEST_F(ImageResolverTest, WithAResolverOnlyKnownNamesGiveImagesAndWithoutOneAllWellFormedDo) {
    install();
    EXPECT_TRUE(kit::Image::systemImageNamed("gear"));
    EXPECT_FALSE(kit::Image::systemImageNamed("gear.wide"));
    EXPECT_FALSE(kit::Image::systemImageNamed("Gear")) << "a malformed name stays refused";
    ASSERT_TRUE(kit::Image::imageNamed("kelvora"));
    EXPECT_EQ(kit::Image::imageNamed("kelvora")->size(), (kit::Size{60, 60}));
    EXPECT_FALSE(kit::Image::imageNamed("missing-picture"));

    auto mine = kit::Image::setResolver({});
    ASSERT_TRUE(mine.hasSymbol && mine.assetSize) << "replacing hands the old one back";
    EXPECT_FALSE(mine.hasSymbol("gear.wide"));
    EXPECT_TRUE(kit::Image::systemImageNamed("gear.wide"));
    auto unknown = kit::Image::imageNamed("missing-picture");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->size(), (kit::Size{}));
}

}  // namespace
