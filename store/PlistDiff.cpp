#include "store/PlistDiff.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <set>

#include "platform/foundation/ByteCountFormatter.h"
#include "platform/foundation/DateFormatter.h"

namespace kelvora {

namespace {

constexpr std::size_t kLongestText = 40;
// Seconds between the Unix epoch and the property-list epoch, 2001-01-01 UTC.
constexpr double kReferenceDateOffset = 978307200;

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The first line, at most kLongestText characters of it; "…" marks what was left out.
std::string oneLine(const std::string& text) {
    const std::size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < lineEnd && characters < kLongestText) {
        ++end;
        while (end < lineEnd && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        ++characters;
    }
    return "\u201C" + text.substr(0, end) + (end < text.size() ? "\u2026" : "") + "\u201D";
}

std::string real(double value) {
    char buffer[32];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

std::string date(foundation::PlistDate value) {
    using namespace std::chrono;
    auto when = system_clock::time_point(duration_cast<system_clock::duration>(
        duration<double>(value.sinceReferenceDate + kReferenceDateOffset)));
    return foundation::DateFormatter::withPattern("MMM d, yyyy HH:mm")->format(when);
}

}  // namespace

std::string PlistDiff::shortForm(const foundation::PlistValue& value) {
    using namespace foundation;
    if (const auto* text = value.get<std::string>()) {
        return oneLine(*text);
    }
    if (const auto* number = value.get<std::int64_t>()) {
        return std::to_string(*number);
    }
    if (const auto* number = value.get<double>()) {
        return real(*number);
    }
    if (const auto* flag = value.get<bool>()) {
        return *flag ? "true" : "false";
    }
    if (const auto* when = value.get<PlistDate>()) {
        return date(*when);
    }
    if (const auto* data = value.get<PlistData>()) {
        return ByteCountFormatter::stringFromByteCount(static_cast<std::int64_t>(data->size()));
    }
    if (const auto* array = value.get<PlistArray>()) {
        return counted(array->size(), "item", "items");
    }
    return counted(value.get<PlistDictionary>()->size(), "key", "keys");
}

std::vector<KeyChange> PlistDiff::between(const foundation::PlistDictionary& before,
                                          const foundation::PlistDictionary& after) {
    std::vector<KeyChange> changes;
    compareDictionaries(before, after, "", changes);
    return changes;
}

void PlistDiff::compareDictionaries(const foundation::PlistDictionary& before,
                                    const foundation::PlistDictionary& after,
                                    const std::string& prefix, std::vector<KeyChange>& changes) {
    std::set<std::string, std::less<>> keys;
    for (const auto* side : {&before, &after}) {
        for (const auto& [key, value] : *side) {
            keys.insert(key);
        }
    }
    for (const auto& key : keys) {
        auto old = before.find(key);
        auto now = after.find(key);
        compare(old == before.end() ? nullptr : &old->second,
                now == after.end() ? nullptr : &now->second, prefix + key, changes);
    }
}

void PlistDiff::compare(const foundation::PlistValue* before, const foundation::PlistValue* after,
                        const std::string& path, std::vector<KeyChange>& changes) {
    using namespace foundation;
    if (before && after && *before == *after) {
        return;
    }
    if (!before || !after) {
        changes.push_back({before ? KeyChange::Kind::removed : KeyChange::Kind::added, path,
                           before ? shortForm(*before) : "", after ? shortForm(*after) : ""});
        return;
    }
    const auto* oldDictionary = before->get<PlistDictionary>();
    const auto* newDictionary = after->get<PlistDictionary>();
    if (oldDictionary && newDictionary) {
        compareDictionaries(*oldDictionary, *newDictionary, path + ".", changes);
        return;
    }
    const auto* oldArray = before->get<PlistArray>();
    const auto* newArray = after->get<PlistArray>();
    if (oldArray && newArray) {
        for (std::size_t index = 0; index < std::max(oldArray->size(), newArray->size()); ++index) {
            compare(index < oldArray->size() ? &(*oldArray)[index] : nullptr,
                    index < newArray->size() ? &(*newArray)[index] : nullptr,
                    path + "[" + std::to_string(index) + "]", changes);
        }
        return;
    }
    changes.push_back({KeyChange::Kind::changed, path, shortForm(*before), shortForm(*after)});
}

PlistDiff::Files PlistDiff::ofFiles(const std::string& live, const std::string& incoming) {
    auto before = foundation::dictionaryWithContentsOfFile(live);
    auto after = foundation::dictionaryWithContentsOfFile(incoming);
    if (!before || !after) {
        return {{}, before ? incoming : live};
    }
    return {between(*before, *after), std::nullopt};
}

}  // namespace kelvora
