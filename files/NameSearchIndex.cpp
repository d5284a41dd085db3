#include "files/NameSearchIndex.h"

#include <unicode/stringpiece.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <numeric>

namespace kelvora {

namespace {

struct Folded {
    std::string text;
    std::int32_t utf16Length;
};

// Full case folding, so "STRASSE" finds "straße"; ill-formed UTF-8 becomes U+FFFD first.
// Most names are ASCII, where folding is lower-casing and each byte is one UTF-16 unit, so
// they skip the conversion.
Folded fold(std::string_view text) {
    bool ascii = std::all_of(text.begin(), text.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        Folded folded{std::string(text), static_cast<std::int32_t>(text.size())};
        for (char& c : folded.text) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return folded;
    }
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    std::int32_t length = unicode.length();
    Folded folded{{}, length};
    unicode.foldCase(U_FOLD_CASE_DEFAULT).toUTF8String(folded.text);
    return folded;
}

}  // namespace

void NameSearchIndex::rebuild(const std::vector<PlistFileRecord>& records) {
    entries_.clear();
    entries_.reserve(records.size());
    for (const auto& record : records) {
        auto folded = fold(record.plistName);
        entries_.push_back({std::move(folded.text), folded.utf16Length});
    }
}

std::vector<std::uint32_t> NameSearchIndex::matches(std::string_view text) const {
    std::vector<std::uint32_t> found;
    if (text.empty()) {
        found.resize(entries_.size());
        std::iota(found.begin(), found.end(), 0u);
        return found;
    }
    auto query = fold(text);
    // A hit must be a range of non-zero length.
    if (query.text.empty()) {
        return found;
    }
    for (std::uint32_t i = 0; i < entries_.size(); ++i) {
        const auto& entry = entries_[i];
        if (entry.utf16Length >= query.utf16Length &&
            entry.foldedName.find(query.text) != std::string::npos) {
            found.push_back(i);
        }
    }
    return found;
}

}  // namespace kelvora
