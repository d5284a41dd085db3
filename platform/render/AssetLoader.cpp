#include "platform/render/AssetLoader.h"

#include <cairo.h>

#include "platform/render/Resources.h"

namespace render {

namespace {

bool isSafeName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace

AssetLoader& AssetLoader::shared() {
    static AssetLoader loader;
    return loader;
}

std::optional<AssetLoader::Asset> AssetLoader::loadFile(const std::string& name, int fileScale) {
    std::filesystem::path folder = Resources::directory() / "assets";
    std::string key = folder.string() + '\n' + name + '\n' + std::to_string(fileScale);
    if (auto found = loaded_.find(key); found != loaded_.end()) {
        return found->second;
    }
    std::string fileName = name + (fileScale == 2 ? "@2x.png" : ".png");
    Surface pixels(cairo_image_surface_create_from_png((folder / fileName).c_str()));
    std::optional<Asset> asset;
    if (pixels.isValid()) {
        asset = Asset{pixels,
                      {double(pixels.width()) / fileScale, double(pixels.height()) / fileScale}};
    }
    loaded_.emplace(key, asset);
    return asset;
}

std::optional<AssetLoader::Asset> AssetLoader::load(std::string_view name, double scale) {
    if (!isSafeName(name)) {
        return std::nullopt;
    }
    std::string plain(name);
    int preferred = scale >= 2 ? 2 : 1;
    std::optional<Asset> asset = loadFile(plain, preferred);
    return asset ? asset : loadFile(plain, 3 - preferred);
}

std::optional<kit::Size> AssetLoader::size(std::string_view name) {
    std::optional<Asset> asset = load(name, 1);
    return asset ? std::optional<kit::Size>(asset->size) : std::nullopt;
}

}  // namespace render
