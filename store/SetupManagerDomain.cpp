// SetupManager's typed access to preference domains.
#include <tuple>
#include <utility>

#include "platform/foundation/FileManager.h"
#include "store/HexColourCodec.h"
#include "store/PathFormat.h"
#include "store/PreferenceDomain.h"
#include "store/SetupManager.h"
#include "store/StoreConstants.h"

namespace kelvora {

namespace {

using foundation::PlistValue;

// Only numbers, bools and strings convert to a bool or a number; a date, data or a
// container under such a key is treated as if the key were absent.
std::optional<PlistValue> scalarValue(std::string_view key, const SetupManager::DomainID& ID) {
    auto value = PreferenceDomain::value(key, ID);
    if (value && (value->is<std::string>() || value->is<std::int64_t>() || value->is<double>() ||
                  value->is<bool>())) {
        return value;
    }
    return std::nullopt;
}

template <class Number>
Number nonZeroOr(Number stored, Number defaultValue) {
    return stored != 0 ? stored : defaultValue;
}

// The phone formats a nil object as "(null)", and the thumbnail name is made that way.
std::string thumbnailPath(std::string_view key, const SetupManager::DomainID& ID) {
    return formatPath(kThumbnailFilePathFormat, {ID ? std::string_view(*ID) : "(null)", key});
}

bool isUsableThumbnailName(std::string_view key, const SetupManager::DomainID& ID) {
    return PreferenceDomain::isPlainFileName(key) &&
           (!ID || PreferenceDomain::isPlainFileName(*ID));
}

// Thumbnails are small pictures; anything larger is not one of ours.
constexpr std::uint64_t kMaxThumbnailBytes = 32 * 1024 * 1024;

}  // namespace

// The setters report nothing: a failed write of a setting is not something the user can
// act on, and the next read shows what the file really holds.
void SetupManager::setBool(bool value, std::string_view key, const DomainID& ID) const {
    std::ignore = PreferenceDomain::setValue(key, PlistValue(value), ID);
}

void SetupManager::setObject(PlistValue value, std::string_view key, const DomainID& ID) const {
    std::ignore = PreferenceDomain::setValue(key, std::move(value), ID);
}

void SetupManager::setFloat(std::int64_t value, std::string_view key, const DomainID& ID) const {
    std::ignore = PreferenceDomain::setValue(key, PlistValue(value), ID);
}

void SetupManager::setInt(int value, std::string_view key, const DomainID& ID) const {
    std::ignore = PreferenceDomain::setValue(key, PlistValue(value), ID);
}

void SetupManager::setInteger(std::int64_t value, std::string_view key, const DomainID& ID) const {
    std::ignore = PreferenceDomain::setValue(key, PlistValue(value), ID);
}

void SetupManager::setImage(const foundation::PlistData& jpegData, std::string_view key,
                            const DomainID& ID) const {
    std::ignore = PreferenceDomain::setValue(key, PlistValue(jpegData), ID);
}

void SetupManager::removeObjectForKey(std::string_view key, const DomainID& ID) const {
    std::ignore = PreferenceDomain::removeValue(key, ID);
}

bool SetupManager::boolForKey(std::string_view key, bool defaultValue, const DomainID& ID) const {
    auto value = scalarValue(key, ID);
    return value ? value->boolValue() : defaultValue;
}

bool SetupManager::boolForKey(std::string_view key, const DomainID& ID) const {
    return boolForKey(key, false, ID);
}

PlistValue SetupManager::objectForKey(std::string_view key, PlistValue defaultValue,
                                      const DomainID& ID) const {
    auto value = PreferenceDomain::value(key, ID);
    return value ? std::move(*value) : std::move(defaultValue);
}

std::optional<PlistValue> SetupManager::objectForKey(std::string_view key,
                                                     const DomainID& ID) const {
    return PreferenceDomain::value(key, ID);
}

std::int64_t SetupManager::floatForKey(std::string_view key, std::int64_t defaultValue,
                                       const DomainID& ID) const {
    return nonZeroOr(floatForKey(key, ID), defaultValue);
}

std::int64_t SetupManager::floatForKey(std::string_view key, const DomainID& ID) const {
    auto value = scalarValue(key, ID);
    return value ? value->longLongValue() : 0;
}

int SetupManager::intForKey(std::string_view key, int defaultValue, const DomainID& ID) const {
    return nonZeroOr(intForKey(key, ID), defaultValue);
}

int SetupManager::intForKey(std::string_view key, const DomainID& ID) const {
    auto value = scalarValue(key, ID);
    return value ? value->intValue() : 0;
}

std::int64_t SetupManager::integerForKey(std::string_view key, std::int64_t defaultValue,
                                         const DomainID& ID) const {
    return nonZeroOr(integerForKey(key, ID), defaultValue);
}

std::int64_t SetupManager::integerForKey(std::string_view key, const DomainID& ID) const {
    auto value = scalarValue(key, ID);
    return value ? value->longLongValue() : 0;
}

kit::Color SetupManager::colourForKey(std::string_view key, std::string_view defaultColour,
                                      const DomainID& ID) const {
    auto value = PreferenceDomain::value(key, ID);
    const auto* text = value ? value->get<std::string>() : nullptr;
    return colorWithHexString(text ? std::string_view(*text) : defaultColour);
}

StoreFont SetupManager::fontForKey(std::string_view key, int fontSize, const DomainID& ID) const {
    StoreFont font;
    font.pointSize = static_cast<double>(fontSize);
    auto value = PreferenceDomain::value(key, ID);
    if (auto* archive = value ? value->get<foundation::PlistData>() : nullptr) {
        font.archivedDescriptor = std::move(*archive);
    }
    return font;
}

std::optional<kit::Image> SetupManager::imageForKey(std::string_view key,
                                                    std::string_view defaultImage,
                                                    const DomainID& ID) const {
    auto value = PreferenceDomain::value(key, ID);
    if (auto* bytes = value ? value->get<foundation::PlistData>() : nullptr) {
        return kit::Image::imageWithData(
            std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    }
    return kit::Image::systemImageNamed(defaultImage);
}

// The new picture replaces the old in one step, so a failed write keeps the old thumbnail.
void SetupManager::setThumbnailImage(const foundation::PlistData& pngData, std::string_view key,
                                     const DomainID& ID) const {
    if (!isUsableThumbnailName(key, ID)) {
        return;
    }
    std::string_view bytes(reinterpret_cast<const char*>(pngData.data()), pngData.size());
    std::ignore =
        foundation::FileManager::defaultManager().writeAtomically(thumbnailPath(key, ID), bytes);
}

std::optional<kit::Image> SetupManager::thumbnailImageForKey(std::string_view key,
                                                             std::string_view defaultImage,
                                                             const DomainID& ID) const {
    if (isUsableThumbnailName(key, ID)) {
        auto contents = foundation::FileManager::defaultManager().contentsOfFile(
            thumbnailPath(key, ID), kMaxThumbnailBytes);
        if (contents) {
            return kit::Image::imageWithData(contents.value());
        }
    }
    return kit::Image::systemImageNamed(defaultImage);
}

}  // namespace kelvora
