#pragma once

#include "platform/kit/Font.h"

namespace kit {

// How large and heavy a symbol image is drawn. The default is the body text size, as a
// symbol next to ordinary text would be.
struct ImageSymbolConfiguration {
    double pointSize = 17;
    FontWeight weight = FontWeight::regular;

    static ImageSymbolConfiguration configurationWithPointSize(
        double pointSize, FontWeight weight = FontWeight::regular) {
        return {pointSize, weight};
    }
    bool operator==(const ImageSymbolConfiguration&) const = default;
};

}  // namespace kit
