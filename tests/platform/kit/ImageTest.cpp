#include "platform/kit/Image.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/kit/TestImages.h"

namespace {

using kit::Image;
using kittest::pngBytes;

// Start of image, an application segment, then a baseline frame header of 640 x 480.
std::string jpegHeader() {
    std::string bytes = "\xFF\xD8";
    bytes += std::string("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
    bytes += std::string("\xFF\xC0\x00\x11\x08\x01\xE0\x02\x80\x03", 10);
    bytes += std::string("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9);
    return bytes;
}

TEST(Image, PngAndJpegDataKeepTheirBytesAndDecodedSize) {
    std::string bytes = pngBytes(3, 5);
    std::optional<Image> image = Image::imageWithData(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format(), Image::Format::png);
    EXPECT_EQ(image->size(), (kit::Size{3, 5}));
    EXPECT_EQ(image->data(), bytes);

    std::optional<Image> jpeg = Image::imageWithData(jpegHeader());
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->format(), Image::Format::jpeg);
    EXPECT_EQ(jpeg->size(), (kit::Size{640, 480})) << "from the frame header";
}

TEST(Image, DataThatIsNotAWholeImageOrClaimsTooManyPixelsGivesNoImage) {
    std::string png = pngBytes(4, 4);
    std::string jpeg = jpegHeader();
    std::string overlongSegment = jpeg.substr(0, 4) + std::string("\x7F\xFF", 2) + jpeg.substr(6);
    std::string corruptPng = png;
    std::size_t pixels = png.find("IDAT") + 6;
    corruptPng[pixels] = static_cast<char>(corruptPng[pixels] ^ 0x5A);
    // Width and height in the headers become 100000 x 100000 and 65535 x 65535.
    std::string hugePng = png;
    hugePng.replace(16, 8, std::string("\x00\x01\x86\xA0\x00\x01\x86\xA0", 8));
    std::string hugeJpeg = jpeg;
    hugeJpeg.replace(25, 4, std::string("\xFF\xFF\xFF\xFF", 4));
    for (const std::string& bytes :
         {std::string(), std::string("not an image"), png.substr(0, png.size() - 20), corruptPng,
          jpeg.substr(0, 14), overlongSegment, std::string("\xFF\xD8\xFF\xD9", 4), hugePng,
          hugeJpeg}) {
        EXPECT_FALSE(Image::imageWithData(bytes)) << bytes.size() << " bytes";
    }
}

// Installs a resolver that knows two symbols and one asset, and puts the previous one back.
class ImageNames : public testing::Test {
  protected:
    void TearDown() override { Image::setResolver(previous); }
    void install() {
        previous = Image::setResolver(
            {[](std::string_view name) { return name == "gear" || name == "plus"; },
             [](std::string_view name) -> std::optional<kit::Size> {
                 return name == "kelvora" ? std::optional(kit::Size{60, 60}) : std::nullopt;
             }});
    }
    Image::Resolver previous;
};

TEST_F(ImageNames, OnlyWellFormedNamesGiveImagesAndWithAResolverOnlyKnownOnes) {
    for (std::string_view name : {"", "gear fill", "../gear", "Gear", ".gear", "gear.", "a/b"}) {
        EXPECT_FALSE(Image::systemImageNamed(name)) << name;
    }
    for (std::string_view name : {"", "..", "../kelvora", "a/b", "bell\n"}) {
        EXPECT_FALSE(Image::imageNamed(name)) << name;
    }
    EXPECT_EQ(Image::systemImageNamed("gear.wide").value().size(), (kit::Size{17, 17}));
    auto configuration = kit::ImageSymbolConfiguration::configurationWithPointSize(20);
    EXPECT_EQ(Image::systemImageNamed("gear", configuration).value().size(), (kit::Size{20, 20}));
    ASSERT_TRUE(Image::imageNamed("missing-picture"));
    EXPECT_EQ(Image::imageNamed("missing-picture")->size(), (kit::Size{}));

    install();
    EXPECT_TRUE(Image::systemImageNamed("gear"));
    EXPECT_FALSE(Image::systemImageNamed("gear.wide"));
    ASSERT_TRUE(Image::imageNamed("kelvora"));
    EXPECT_EQ(Image::imageNamed("kelvora")->size(), (kit::Size{60, 60}));
    EXPECT_FALSE(Image::imageNamed("missing-picture"));
    auto mine = Image::setResolver(previous);
    ASSERT_TRUE(mine.hasSymbol && mine.assetSize) << "replacing hands the old one back";
}

TEST(Image, TintedCopyKeepsSizeAndPixelsAndLeavesTheOriginalAlone) {
    Image symbol = *Image::systemImageNamed("gear");
    Image tinted = symbol.imageWithTintColor(kit::Color::whiteColor());
    EXPECT_EQ(tinted.size(), symbol.size());
    EXPECT_FALSE(tinted.isTemplate());
    EXPECT_TRUE(symbol.isTemplate() && !symbol.tintColor());
    Image picture = *Image::imageWithData(pngBytes(7, 9));
    EXPECT_EQ(picture.imageWithTintColor(kit::Color::systemRedColor()).data(), picture.data());
}

}  // namespace
