#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/kit/Geometry.h"
#include "platform/render/Surface.h"

namespace render {

// Loads the app's image assets: "assets/<name>.png" of the resources folder, and
// "assets/<name>@2x.png" for drawing at scale 2 or more (either stands in for the other
// when only one exists). A picture is loaded once and kept.
//
// A name that could leave the assets folder, a missing file, and a file that is not a
// whole PNG give no asset, so a screen shows no picture there rather than failing.
class AssetLoader final {
  public:
    struct Asset {
        Surface pixels;
        kit::Size size;  // in points: pixels divided by the file's scale
    };

    static AssetLoader& shared();

    std::optional<Asset> load(std::string_view name, double scale);
    // The asset's size in points, the same at every scale; what an image view sizes to.
    std::optional<kit::Size> size(std::string_view name);

  private:
    std::optional<Asset> loadFile(const std::string& name, int fileScale);

    std::map<std::string, std::optional<Asset>, std::less<>> loaded_;
};

}  // namespace render
