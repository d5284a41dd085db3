#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/kit/Color.h"
#include "platform/kit/Geometry.h"
#include "platform/kit/ImageSymbolConfiguration.h"

namespace kit {

// An immutable image value: a symbol from the system's symbol set, an asset of the app's
// resources, or an image decoded from PNG or JPEG bytes. Copies share their bytes.
//
// Symbols and assets are names here; the renderer turns them into pixels. A name that can
// never be a symbol or an asset gives no image, as does data that is not a whole PNG or JPEG
// or that claims more pixels than an image may have. Which symbols and assets exist is known
// only to whoever draws them: the host installs a resolver that answers, and then an unknown
// name gives no image and an asset image has its size. With none installed, every
// well-formed name is taken and an asset has no size.
class Image final {
  public:
    enum class Kind { symbol, asset, data };
    enum class Format { none, png, jpeg };

    struct Resolver {
        std::function<bool(std::string_view symbolName)> hasSymbol;
        // The asset's size in points, or nothing when there is no such asset.
        std::function<std::optional<Size>(std::string_view assetName)> assetSize;
    };
    // Installs `resolver` and returns the one it replaces.
    static Resolver setResolver(Resolver resolver);

    // Symbol names are lower-case words joined by dots ("folder.fill.badge.plus").
    static std::optional<Image> systemImageNamed(std::string_view name,
                                                 ImageSymbolConfiguration configuration = {});
    static std::optional<Image> imageNamed(std::string_view name);
    static std::optional<Image> imageWithData(std::string_view bytes);

    // A copy drawn in `color` whatever the tint of the view that shows it.
    Image imageWithTintColor(const Color& color) const;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    const ImageSymbolConfiguration& symbolConfiguration() const { return configuration_; }
    Format format() const { return format_; }
    // The bytes an image from data was made from; empty for symbols and assets.
    const std::string& data() const;
    // In logical pixels; an image from data has one logical pixel per pixel.
    Size size() const { return size_; }
    const std::optional<Color>& tintColor() const { return tintColor_; }
    // Symbols take the tint of the view that shows them unless the image carries its own.
    bool isTemplate() const { return kind_ == Kind::symbol && !tintColor_; }

    bool operator==(const Image& other) const;

    // The most pixels an image from data may have (an 8192 by 8192 picture); anything
    // larger is refused before decoding, so hostile data cannot exhaust memory.
    static constexpr double maximumPixelCount = 8192.0 * 8192.0;

  private:
    Image(Kind kind, std::string name, Size size);

    Kind kind_;
    std::string name_;
    ImageSymbolConfiguration configuration_;
    Format format_ = Format::none;
    std::shared_ptr<const std::string> data_;
    Size size_;
    std::optional<Color> tintColor_;
};

}  // namespace kit
