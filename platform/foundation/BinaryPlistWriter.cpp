#include "platform/foundation/BinaryPlistWriter.h"

#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace foundation {

namespace {

using foundation::PlistValue;

std::size_t bytesFor(std::uint64_t value) {
    if (value <= 0xFF) {
        return 1;
    }
    if (value <= 0xFFFF) {
        return 2;
    }
    return value <= 0xFFFFFFFFu ? 4 : 8;
}

int log2Bytes(std::size_t size) {
    return size == 1 ? 0 : size == 2 ? 1 : size == 4 ? 2 : 3;
}

// The objects are numbered depth-first, each container before its contents, so one pass
// writes them in order and the references of a container are known before its children.
class Encoder final {
  public:
    explicit Encoder(std::size_t objectCount) : refSize_(bytesFor(objectCount)) {}

    std::string finish(const PlistValue& root);

  private:
    std::uint64_t encode(const PlistValue& value);
    void encodeScalar(const PlistValue& value);
    void encodeArray(const foundation::PlistArray& array);
    void encodeDictionary(const foundation::PlistDictionary& dictionary);
    void encodeString(const std::string& text);

    void marker(std::uint8_t type, std::size_t length);
    void bigEndian(std::uint64_t value, std::size_t size);
    void patchReference(std::size_t at, std::uint64_t reference);
    void integer(std::int64_t value);
    void doubleValue(std::uint8_t marker, double value);

    std::string out_ = "bplist00";
    std::vector<std::uint64_t> offsets_;
    std::size_t refSize_;
};

std::size_t countObjects(const PlistValue& value) {
    std::size_t count = 1;
    if (const auto* array = value.get<foundation::PlistArray>()) {
        for (const auto& element : *array) {
            count += countObjects(element);
        }
    } else if (const auto* dictionary = value.get<foundation::PlistDictionary>()) {
        for (const auto& [key, element] : *dictionary) {
            count += 1 + countObjects(element);
        }
    }
    return count;
}

void Encoder::bigEndian(std::uint64_t value, std::size_t size) {
    for (std::size_t shift = size; shift-- > 0;) {
        out_.push_back(static_cast<char>((value >> (8 * shift)) & 0xFF));
    }
}

void Encoder::patchReference(std::size_t at, std::uint64_t reference) {
    for (std::size_t b = 0; b < refSize_; ++b) {
        out_[at + b] = static_cast<char>((reference >> (8 * (refSize_ - 1 - b))) & 0xFF);
    }
}

void Encoder::marker(std::uint8_t type, std::size_t length) {
    if (length < 15) {
        out_.push_back(static_cast<char>(type | length));
        return;
    }
    out_.push_back(static_cast<char>(type | 0x0F));
    integer(static_cast<std::int64_t>(length));
}

void Encoder::integer(std::int64_t value) {
    // One, two and four byte integers are unsigned; anything negative takes eight.
    std::size_t size = value < 0 ? 8 : bytesFor(static_cast<std::uint64_t>(value));
    out_.push_back(static_cast<char>(0x10 | log2Bytes(size)));
    bigEndian(static_cast<std::uint64_t>(value), size);
}

void Encoder::doubleValue(std::uint8_t type, double value) {
    out_.push_back(static_cast<char>(type));
    bigEndian(std::bit_cast<std::uint64_t>(value), 8);
}

// Text that is not UTF-8 came from the single-byte form, which holds any bytes, and goes
// back into it as it came rather than with its bytes replaced. A NUL character ends a text
// of that form for the reader, so text holding one takes the two-byte form.
void Encoder::encodeString(const std::string& text) {
    bool ascii = true;
    for (char c : text) {
        ascii = ascii && c != '\0' && static_cast<unsigned char>(c) < 0x80;
    }
    auto length = static_cast<std::int32_t>(text.size());
    std::int32_t units = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(nullptr, 0, &units, text.data(), length, &status);
    if (ascii || status == U_INVALID_CHAR_FOUND) {
        marker(0x50, text.size());
        out_.append(text);
        return;
    }
    auto unicode = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), length));
    marker(0x60, static_cast<std::size_t>(unicode.length()));
    for (std::int32_t i = 0; i < unicode.length(); ++i) {
        bigEndian(unicode.charAt(i), 2);
    }
}

void Encoder::encodeScalar(const PlistValue& value) {
    std::visit(
        [this](const auto& item) {
            using T = std::decay_t<decltype(item)>;
            if constexpr (std::is_same_v<T, std::string>) {
                encodeString(item);
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                integer(item);
            } else if constexpr (std::is_same_v<T, double>) {
                doubleValue(0x23, item);
            } else if constexpr (std::is_same_v<T, bool>) {
                out_.push_back(static_cast<char>(item ? 0x09 : 0x08));
            } else if constexpr (std::is_same_v<T, foundation::PlistDate>) {
                doubleValue(0x33, item.sinceReferenceDate);
            } else if constexpr (std::is_same_v<T, foundation::PlistData>) {
                marker(0x40, item.size());
                out_.append(reinterpret_cast<const char*>(item.data()), item.size());
            }
        },
        value.storage());
}

void Encoder::encodeArray(const foundation::PlistArray& array) {
    marker(0xA0, array.size());
    std::size_t refs = out_.size();
    out_.append(array.size() * refSize_, '\0');
    for (std::size_t i = 0; i < array.size(); ++i) {
        patchReference(refs + i * refSize_, encode(array[i]));
    }
}

void Encoder::encodeDictionary(const foundation::PlistDictionary& dictionary) {
    marker(0xD0, dictionary.size());
    std::size_t refs = out_.size();
    std::size_t count = dictionary.size();
    out_.append(2 * count * refSize_, '\0');
    std::size_t i = 0;
    for (const auto& [key, value] : dictionary) {
        patchReference(refs + i * refSize_, encode(PlistValue(key)));
        patchReference(refs + (count + i) * refSize_, encode(value));
        ++i;
    }
}

std::uint64_t Encoder::encode(const PlistValue& value) {
    std::uint64_t reference = offsets_.size();
    offsets_.push_back(out_.size());
    if (const auto* array = value.get<foundation::PlistArray>()) {
        encodeArray(*array);
    } else if (const auto* dictionary = value.get<foundation::PlistDictionary>()) {
        encodeDictionary(*dictionary);
    } else {
        encodeScalar(value);
    }
    return reference;
}

std::string Encoder::finish(const PlistValue& root) {
    encode(root);
    std::uint64_t tableOffset = out_.size();
    std::size_t offsetSize = bytesFor(tableOffset);
    for (std::uint64_t offset : offsets_) {
        bigEndian(offset, offsetSize);
    }
    out_.append(6, '\0');
    out_.push_back(static_cast<char>(offsetSize));
    out_.push_back(static_cast<char>(refSize_));
    bigEndian(offsets_.size(), 8);
    bigEndian(0, 8);
    bigEndian(tableOffset, 8);
    return std::move(out_);
}

}  // namespace

std::string binaryPropertyList(const foundation::PlistValue& root) {
    return Encoder(countObjects(root)).finish(root);
}

}  // namespace foundation
