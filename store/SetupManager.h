#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/PropertyList.h"
#include "platform/foundation/Result.h"
#include "platform/kit/Color.h"
#include "platform/kit/Image.h"
#include "store/StoreFont.h"

namespace kelvora {

// The app's one store object. It keeps no state: every operation goes to the files, so
// another process's change is seen by the next call. It owns the folder layout under
// "/var/mobile/Kelvora", the setup list file, typed access to any preference domain, the
// first-run snapshot of the Preferences folder and the hex colour conversions.
//
// Nothing here fails loudly: a missing or unreadable file reads as empty, and a value of
// an unexpected type under a typed getter reads as absent (the default). A file that cannot be read
// is never overwritten in place (see PreferenceFile), and a domain ID that is nil or not a plain
// file name turns setters into no-ops and getters into the absent case.
class SetupManager final {
  public:
    using DomainID = std::optional<std::string>;

    static SetupManager& sharedInstance();
    SetupManager(const SetupManager&) = delete;
    SetupManager& operator=(const SetupManager&) = delete;

    // Folders. An existing entry of any kind counts as present; creation errors are ignored,
    // because the operations that later use the folder report their own failures.
    void checkIfKelvoraFolderExist() const;
    void checkIfSetupFolderExist() const;
    void checkIfOriginalFolderExist() const;

    // The setup list, in the order last saved. Records come back as stored, of any shape;
    // read them with SetupData::fromRecord. A "setupArray" that is not an array reads as empty.
    foundation::PlistArray loadSetupArray() const;
    // Replaces "setupArray" and keeps every other root key. The result is there for callers
    // that must not report a Setup as saved when it was not.
    foundation::Result<void> saveSetupArray(const foundation::PlistArray& setupArray) const;

    std::string originalPrefsFilesPath() const;
    // Takes no name despite its own: it is the snapshot folder.
    std::string newSetupFolderPathWithName() const;

    // Setters: reread the domain, change one key, write the domain whole.
    void setBool(bool value, std::string_view key, const DomainID& ID) const;
    void setObject(foundation::PlistValue value, std::string_view key, const DomainID& ID) const;
    void setFloat(std::int64_t value, std::string_view key, const DomainID& ID) const;
    void setInt(int value, std::string_view key, const DomainID& ID) const;
    void setInteger(std::int64_t value, std::string_view key, const DomainID& ID) const;
    // FIXME: takes an image and encodes it as JPEG at quality 0.7 once there is a JPEG
    // encoder (none of our libraries writes JPEG); until then the caller hands over the bytes.
    void setImage(const foundation::PlistData& jpegData, std::string_view key,
                  const DomainID& ID) const;
    void removeObjectForKey(std::string_view key, const DomainID& ID) const;

    // Getters. For bools presence decides (a stored NO is NO); for the number families a
    // stored 0 reads as the default. Strings convert as the phone's strings do ("12" is 12).
    bool boolForKey(std::string_view key, bool defaultValue, const DomainID& ID) const;
    bool boolForKey(std::string_view key, const DomainID& ID) const;
    foundation::PlistValue objectForKey(std::string_view key, foundation::PlistValue defaultValue,
                                        const DomainID& ID) const;
    std::optional<foundation::PlistValue> objectForKey(std::string_view key,
                                                       const DomainID& ID) const;
    std::int64_t floatForKey(std::string_view key, std::int64_t defaultValue,
                             const DomainID& ID) const;
    std::int64_t floatForKey(std::string_view key, const DomainID& ID) const;
    int intForKey(std::string_view key, int defaultValue, const DomainID& ID) const;
    int intForKey(std::string_view key, const DomainID& ID) const;
    std::int64_t integerForKey(std::string_view key, std::int64_t defaultValue,
                               const DomainID& ID) const;
    std::int64_t integerForKey(std::string_view key, const DomainID& ID) const;

    // A stored value that is not a string reads as absent, so the default colour is used.
    kit::Color colourForKey(std::string_view key, std::string_view defaultColour,
                            const DomainID& ID) const;
    StoreFont fontForKey(std::string_view key, int fontSize, const DomainID& ID) const;
    // The stored bytes decoded (nothing when they are no image), or the symbol image named
    // `defaultImage` when nothing is stored.
    std::optional<kit::Image> imageForKey(std::string_view key, std::string_view defaultImage,
                                          const DomainID& ID) const;

    // Thumbnails are files of their own, "/var/LIY/Zerovin/Thumbnails/<ID>_<key>.png"; a nil ID
    // is spelled "(null)" in the name. The folder is not created here.
    // FIXME: takes an image and encodes it as PNG once images can be drawn below the store;
    // until then the caller hands over the encoded bytes.
    void setThumbnailImage(const foundation::PlistData& pngData, std::string_view key,
                           const DomainID& ID) const;
    std::optional<kit::Image> thumbnailImageForKey(std::string_view key,
                                                   std::string_view defaultImage,
                                                   const DomainID& ID) const;

    // The first-run snapshot of the Preferences folder into the Original folder: the names of
    // the tweak files (the user's, never the app's own), and the copy of those Original lacks.
    // An entry already in Original is an original and is never replaced, so the copy can run
    // again at any time and only ever completes the snapshot; the flag "didCopiedOriginalFiles"
    // is set once every tweak file has its copy there.
    std::vector<std::string> getPreferencesOriginalFiles() const;
    void copyOriginalFilesToKelvora() const;
    // Removes what a copy that was killed half-way left in the Preferences folder, the Original
    // folder and the Setup folders, before any walk could take it for a file of the user's.
    void removeLeftovers() const;

    kit::Color colorWithHexString(std::string_view hexString) const;
    std::string hexStringFromColor(const kit::Color& color) const;

  private:
    SetupManager() = default;
};

}  // namespace kelvora
