#include <plist/plist.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/foundation/BinaryPlistWriter.h"
#include "platform/foundation/PlistPrecheck.h"
#include "platform/foundation/PropertyList.h"

// Any bytes either read as nothing or as a value whose XML text reads back, writing what
// was read back gives the same text again, and so does the binary form written of it: the
// written forms lose nothing further. Whatever the pre-check lets through, libplist builds
// no deeper and no larger than the check counted.
namespace {

using foundation::PlistPrecheck;

// How deep containers holding something nest, and how many values there are in all.
struct Measure {
    int depth = 0;
    std::size_t values = 1;
};

Measure measured(plist_t node) {
    Measure measure;
    auto add = [&](plist_t member) {
        Measure inner = measured(member);
        measure.depth = std::max(measure.depth, inner.depth);
        measure.values += inner.values;
    };
    if (plist_get_node_type(node) == PLIST_ARRAY) {
        for (std::uint32_t i = 0; i < plist_array_get_size(node); ++i) {
            add(plist_array_get_item(node, i));
        }
    } else if (plist_get_node_type(node) == PLIST_DICT) {
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(node, &iterator);
        for (;;) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, iterator, &key, &item);
            std::free(key);
            if (item == nullptr) {
                break;
            }
            add(item);
            ++measure.values;
        }
        std::free(iterator);
    }
    measure.depth += measure.values > 1 ? 1 : 0;
    return measure;
}

void checkPrecheck(std::string_view bytes) {
    if (bytes.empty() ||
        !PlistPrecheck::acceptable(bytes, foundation::maximumPropertyListNesting)) {
        return;
    }
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &root);
    if (root == nullptr) {
        return;
    }
    Measure built = measured(root);
    plist_free(root);
    if (built.values > bytes.size() ||
        (built.depth > 0 && PlistPrecheck::acceptable(bytes, built.depth - 1))) {
        std::abort();
    }
}

void checkRoundTrips(std::string_view bytes) {
    auto value = foundation::parsePropertyList(bytes);
    if (!value) {
        return;
    }
    std::string text = foundation::xmlPropertyList(*value);
    auto again = foundation::parsePropertyList(text);
    if (!again || foundation::xmlPropertyList(*again) != text) {
        std::abort();
    }
    auto binary = foundation::parsePropertyList(foundation::binaryPropertyList(*value));
    if (!binary || foundation::xmlPropertyList(*binary) != text) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkPrecheck(bytes);
    checkRoundTrips(bytes);
    return 0;
}
