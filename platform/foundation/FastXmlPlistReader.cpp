#include "platform/foundation/FastXmlPlistReader.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace foundation {

namespace {

using foundation::PlistValue;

// Deeper documents go to the full reader, which enforces its own limit.
constexpr int kMaxDepth = 64;
// Eighteen digits always fit a signed 64-bit integer; longer ones go to the full reader.
constexpr std::size_t kMaxIntegerDigits = 18;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Accepts only well-formed UTF-8 without control characters other than tab and line feed.
bool isPlainText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 && byte != '\t' && byte != '\n') {
                return false;
            }
            ++i;
            continue;
        }
        std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
        if (length == 0 || byte > 0xF4 || i + length > text.size()) {
            return false;
        }
        std::uint32_t code = byte & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (isDigit(c)) {
        return c - '0' + 52;
    }
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

class Scanner final {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    std::optional<PlistValue> document();

  private:
    std::optional<PlistValue> value(int depth);
    std::optional<PlistValue> container(std::string_view name, int depth);
    std::optional<PlistValue> array(int depth);
    std::optional<PlistValue> dictionary(int depth);
    std::optional<std::string> text(std::string_view name);
    static std::optional<std::string> decodedEntities(std::string_view raw);
    std::optional<PlistValue> integer();
    std::optional<PlistValue> real();
    std::optional<PlistValue> data();

    bool skipPrefix(std::string_view prefix);
    void skipSpace();
    std::optional<std::string_view> tag();

    std::string_view text_;
    std::size_t at_ = 0;
};

bool Scanner::skipPrefix(std::string_view prefix) {
    if (text_.substr(at_).starts_with(prefix)) {
        at_ += prefix.size();
        return true;
    }
    return false;
}

void Scanner::skipSpace() {
    while (at_ < text_.size() && isSpace(text_[at_])) {
        ++at_;
    }
}

// The next tag's text between "<" and ">", after any white space; never a comment or a
// declaration, which only the full reader reads.
std::optional<std::string_view> Scanner::tag() {
    skipSpace();
    if (at_ >= text_.size() || text_[at_] != '<') {
        return std::nullopt;
    }
    std::size_t end = text_.find('>', at_);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view inside = text_.substr(at_ + 1, end - at_ - 1);
    if (inside.empty() || inside[0] == '!' || inside[0] == '?') {
        return std::nullopt;
    }
    at_ = end + 1;
    return inside;
}

std::optional<PlistValue> Scanner::document() {
    skipPrefix(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    skipSpace();
    skipPrefix(R"(<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" )"
               R"("http://www.apple.com/DTDs/PropertyList-1.0.dtd">)");
    auto open = tag();
    if (!open || !(*open == "plist" || *open == "plist version=\"1.0\"")) {
        return std::nullopt;
    }
    auto root = value(0);
    if (!root || tag() != std::optional<std::string_view>("/plist")) {
        return std::nullopt;
    }
    skipSpace();
    if (at_ != text_.size()) {
        return std::nullopt;
    }
    return root;
}

std::optional<PlistValue> Scanner::value(int depth) {
    auto name = tag();
    if (!name) {
        return std::nullopt;
    }
    if (*name == "true/" || *name == "false/") {
        return PlistValue(*name == "true/");
    }
    if (*name == "string" || *name == "string/") {
        auto content = name->ends_with('/') ? std::optional<std::string>("") : text("string");
        return content ? std::optional<PlistValue>(std::move(*content)) : std::nullopt;
    }
    if (*name == "integer") {
        return integer();
    }
    if (*name == "real") {
        return real();
    }
    if (*name == "data") {
        return data();
    }
    return container(*name, depth);
}

std::optional<PlistValue> Scanner::container(std::string_view name, int depth) {
    if (depth >= kMaxDepth) {
        return std::nullopt;
    }
    if (name == "array/") {
        return PlistValue(foundation::PlistArray{});
    }
    if (name == "dict/") {
        return PlistValue(foundation::PlistDictionary{});
    }
    if (name == "array") {
        return array(depth + 1);
    }
    return name == "dict" ? dictionary(depth + 1) : std::nullopt;
}

std::optional<PlistValue> Scanner::array(int depth) {
    foundation::PlistArray elements;
    while (true) {
        std::size_t mark = at_;
        if (tag() == std::optional<std::string_view>("/array")) {
            return PlistValue(std::move(elements));
        }
        at_ = mark;
        auto element = value(depth);
        if (!element) {
            return std::nullopt;
        }
        elements.push_back(std::move(*element));
    }
}

std::optional<PlistValue> Scanner::dictionary(int depth) {
    foundation::PlistDictionary entries;
    while (true) {
        auto name = tag();
        if (name == std::optional<std::string_view>("/dict")) {
            return std::optional<PlistValue>(std::in_place, std::move(entries));
        }
        auto key = name == std::optional<std::string_view>("key") ? text("key") : std::nullopt;
        if (!key) {
            return std::nullopt;
        }
        auto element = value(depth);
        if (!element || !entries.try_emplace(std::move(*key), std::move(*element)).second) {
            return std::nullopt;
        }
    }
}

// Character data up to the closing tag, with the five named entities decoded.
std::optional<std::string> Scanner::text(std::string_view name) {
    std::size_t end = text_.find('<', at_);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view closing = text_.substr(end);
    bool closes = closing.size() >= name.size() + 3 && closing[1] == '/' &&
                  closing.substr(2, name.size()) == name && closing[name.size() + 2] == '>';
    std::string_view raw = text_.substr(at_, end - at_);
    if (!closes || raw.find('>') != std::string_view::npos || !isPlainText(raw)) {
        return std::nullopt;
    }
    at_ = end + name.size() + 3;
    return raw.find('&') == std::string_view::npos ? std::optional<std::string>(raw)
                                                   : decodedEntities(raw);
}

std::optional<std::string> Scanner::decodedEntities(std::string_view raw) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> entities{
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};
    std::string decoded;
    decoded.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        if (raw[i] != '&') {
            decoded.push_back(raw[i++]);
            continue;
        }
        bool known = false;
        for (const auto& [entity, character] : entities) {
            if (raw.substr(i).starts_with(entity)) {
                decoded.push_back(character);
                i += entity.size();
                known = true;
                break;
            }
        }
        if (!known) {
            return std::nullopt;
        }
    }
    return decoded;
}

std::optional<PlistValue> Scanner::integer() {
    auto content = text("integer");
    if (!content) {
        return std::nullopt;
    }
    std::string_view digits = *content;
    bool negative = digits.starts_with('-');
    digits.remove_prefix(negative ? 1 : 0);
    if (digits.empty() || digits.size() > kMaxIntegerDigits ||
        (digits.size() > 1 && digits[0] == '0')) {
        return std::nullopt;
    }
    std::int64_t number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return PlistValue(negative ? -number : number);
}

std::optional<PlistValue> Scanner::real() {
    auto content = text("real");
    if (!content || content->empty()) {
        return std::nullopt;
    }
    std::size_t i = content->starts_with('-') ? 1 : 0;
    std::size_t digitsStart = i;
    while (i < content->size() && isDigit((*content)[i])) {
        ++i;
    }
    if (i == digitsStart) {
        return std::nullopt;  // "inf", "nan", ".5" and the like
    }
    double number = 0;
    const char* end = content->data() + content->size();
    auto [stop, error] = std::from_chars(content->data(), end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return PlistValue(number);
}

std::optional<PlistValue> Scanner::data() {
    auto content = text("data");
    if (!content) {
        return std::nullopt;
    }
    foundation::PlistData bytes;
    std::uint32_t group = 0;
    int count = 0;
    int padding = 0;
    for (char c : *content) {
        if (isSpace(c)) {
            continue;
        }
        int digit = c == '=' ? 0 : base64Value(c);
        if (digit < 0 || (padding > 0 && c != '=')) {
            return std::nullopt;
        }
        padding += c == '=' ? 1 : 0;
        group = (group << 6) | static_cast<std::uint32_t>(digit);
        if (++count == 4) {
            for (int k = 0; k < 3 - padding; ++k) {
                bytes.push_back(static_cast<std::uint8_t>(group >> (16 - 8 * k)));
            }
            group = 0;
            count = 0;
        }
    }
    if (count != 0 || padding > 2) {
        return std::nullopt;
    }
    return PlistValue(std::move(bytes));
}

}  // namespace

std::optional<foundation::PlistValue> readPlainXmlPropertyList(std::string_view bytes) {
    return Scanner(bytes).document();
}

}  // namespace foundation
