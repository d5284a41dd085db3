#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/foundation/PropertyList.h"

// An image as the store hands it out: either the encoded bytes it found (a stored JPEG, a
// thumbnail PNG) or the name of the symbol image that stands in when there is none.
// FIXME: becomes the kit's image once the renderer can decode and draw images; until then
// the bytes are passed on undecoded, so bytes that are no image are not yet told apart.
struct StoreImage final {
    std::optional<std::string> symbolName;
    foundation::PlistData encodedData;

    static StoreImage symbol(std::string name) { return {std::move(name), {}}; }
    static StoreImage encoded(foundation::PlistData bytes) {
        return {std::nullopt, std::move(bytes)};
    }

    bool isSymbol() const { return symbolName.has_value(); }
    bool operator==(const StoreImage&) const = default;
};
