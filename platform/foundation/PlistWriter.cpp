#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/foundation/FileError.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/PropertyList.h"

// The XML writer is our own rather than libplist's, which writes control characters raw
// (making files a strict reader rejects) and dates only within 32-bit seconds.
namespace foundation {

namespace {

constexpr std::string_view header =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";

// Unix time of the property-list epoch, 2001-01-01 00:00:00 UTC.
constexpr double referenceDateUnixTime = 978307200;
// 0001-01-01T00:00:00Z and 9999-12-31T23:59:59Z in Unix time: the years the text holds.
constexpr double earliestUnixTime = -62135596800;
constexpr double latestUnixTime = 253402300799;

void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (byte == 0) {
            continue;
        } else if (byte < 0x20 && c != '\t' && c != '\n') {
            // A reference keeps a carriage return from being read back as a line feed.
            out += "&#" + std::to_string(byte) + ";";
        } else {
            out += c;
        }
    }
}

std::string realText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "+infinity" : "-infinity";
    }
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Civil date from days since 1970-01-01 (proleptic Gregorian calendar).
std::string dateText(const PlistDate& date) {
    double unix = date.sinceReferenceDate + referenceDateUnixTime;
    if (std::isnan(unix)) {
        unix = referenceDateUnixTime;
    }
    auto seconds =
        static_cast<long long>(std::floor(std::clamp(unix, earliestUnixTime, latestUnixTime)));
    long long days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    long long secondOfDay = seconds - days * 86400;
    long long z = days + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long dayOfEra = z - era * 146097;
    long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    long long day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    long long month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ", year, month,
                  day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return buffer;
}

std::string base64(const PlistData& data) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < data.size(); i += 3) {
        std::uint32_t chunk = std::uint32_t{data[i]} << 16;
        std::size_t present = std::min<std::size_t>(3, data.size() - i);
        if (present > 1) {
            chunk |= std::uint32_t{data[i + 1]} << 8;
        }
        if (present > 2) {
            chunk |= data[i + 2];
        }
        for (std::size_t j = 0; j < 4; ++j) {
            out += j <= present ? alphabet[(chunk >> (18 - 6 * j)) & 0x3F] : '=';
        }
    }
    return out;
}

class XmlWriter final {
  public:
    std::string text;

    void value(const PlistValue& item, int indent);

  private:
    void line(int indent, std::string_view content) {
        text.append(static_cast<std::size_t>(indent), '\t');
        text += content;
        text += '\n';
    }
    void element(int indent, std::string_view tag, std::string_view content) {
        text.append(static_cast<std::size_t>(indent), '\t');
        text += "<" + std::string(tag) + ">";
        appendEscaped(text, content);
        text += "</" + std::string(tag) + ">\n";
    }
    void array(const PlistArray& items, int indent);
    void dictionary(const PlistDictionary& items, int indent);
};

void XmlWriter::array(const PlistArray& items, int indent) {
    if (items.empty()) {
        return line(indent, "<array/>");
    }
    line(indent, "<array>");
    for (const auto& item : items) {
        value(item, indent + 1);
    }
    line(indent, "</array>");
}

void XmlWriter::dictionary(const PlistDictionary& items, int indent) {
    if (items.empty()) {
        return line(indent, "<dict/>");
    }
    line(indent, "<dict>");
    for (const auto& [key, item] : items) {
        element(indent + 1, "key", key);
        value(item, indent + 1);
    }
    line(indent, "</dict>");
}

void XmlWriter::value(const PlistValue& item, int indent) {
    if (auto text = item.get<std::string>()) {
        element(indent, "string", *text);
    } else if (auto number = item.get<std::int64_t>()) {
        element(indent, "integer", std::to_string(*number));
    } else if (auto real = item.get<double>()) {
        element(indent, "real", realText(*real));
    } else if (auto flag = item.get<bool>()) {
        line(indent, *flag ? "<true/>" : "<false/>");
    } else if (auto date = item.get<PlistDate>()) {
        element(indent, "date", dateText(*date));
    } else if (auto data = item.get<PlistData>()) {
        element(indent, "data", base64(*data));
    } else if (auto items = item.get<PlistArray>()) {
        array(*items, indent);
    } else if (auto entries = item.get<PlistDictionary>()) {
        dictionary(*entries, indent);
    }
}

bool storable(const PlistValue& item, int depth) {
    if (auto text = item.get<std::string>()) {
        return text->find('\0') == std::string::npos;
    }
    if (auto items = item.get<PlistArray>()) {
        return depth <= maximumPropertyListNesting &&
               std::all_of(items->begin(), items->end(),
                           [&](const PlistValue& member) { return storable(member, depth + 1); });
    }
    if (auto entries = item.get<PlistDictionary>()) {
        return depth <= maximumPropertyListNesting &&
               std::all_of(entries->begin(), entries->end(), [&](const auto& entry) {
                   return entry.first.find('\0') == std::string::npos &&
                          storable(entry.second, depth + 1);
               });
    }
    return true;
}

}  // namespace

std::string xmlPropertyList(const PlistValue& root) {
    XmlWriter writer;
    writer.text = header;
    writer.value(root, 0);
    writer.text += "</plist>\n";
    return std::move(writer.text);
}

Result<void> writeToFile(const PlistDictionary& dictionary, std::string_view devicePath) {
    PlistValue root(dictionary);
    if (!storable(root, 1)) {
        return FileError::saving(devicePath, FileError::unstorable);
    }
    return FileManager::defaultManager().writeAtomically(devicePath, xmlPropertyList(root));
}

}  // namespace foundation
