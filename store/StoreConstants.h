#pragma once

#include <array>
#include <string_view>

namespace kelvora {

// Where the store keeps its files and the keys it writes. Every path is the device's
// absolute path; "%@" stands for the value put in by `formatPath`.

inline constexpr std::string_view kKelvoraFolderPath = "/var/mobile/Kelvora";
inline constexpr std::string_view kSetupFolderPath = "/var/mobile/Kelvora/Setup";
inline constexpr std::string_view kSetupFolderPathFormat = "/var/mobile/Kelvora/Setup/%@";
inline constexpr std::string_view kSetupFolderPrefixFormat = "/var/mobile/Kelvora/Setup/%@/";
inline constexpr std::string_view kOriginalFolderPath = "/var/mobile/Kelvora/Original";
inline constexpr std::string_view kOriginalFolderPrefix = "/var/mobile/Kelvora/Original/";
inline constexpr std::string_view kPreferencesFolderPath = "/var/jb/vmo/Library/Preferences/";
inline constexpr std::string_view kSetupListFilePath =
    "/var/jb/vmo/Library/Preferences/com.zerovin.KelvoraList.plist";
// The names of the app's own files in the Preferences folder.
inline constexpr std::string_view kKelvoraListFileName = "com.zerovin.KelvoraList.plist";
inline constexpr std::string_view kKelvoraPrefsFileName = "com.zerovin.KelvoraPrefs.plist";
inline constexpr std::string_view kDomainFilePathFormat =
    "/var/jb/vmo/Library/Preferences/%@.plist";
inline constexpr std::string_view kThumbnailFilePathFormat =
    "/var/LIY/Zerovin/Thumbnails/%@_%@.png";

inline constexpr std::string_view kSetupArrayKey = "setupArray";
inline constexpr std::string_view kSetupFolderNameKey = "setupFolderName";
inline constexpr std::string_view kSetupNameKey = "setupName";
inline constexpr std::string_view kSetupIconKey = "setupIcon";
inline constexpr std::string_view kSetupColourKey = "setupColour";
inline constexpr std::string_view kCreatedDateKey = "createdDate";
inline constexpr std::string_view kCreationDateKey = "creationDate";
// A "creationDate" key's pattern, for Setup records and listed files alike. Its hour is on the
// 12-hour clock with no day-half marker.
inline constexpr std::string_view kCreationDatePattern = "ddMMyyyyhhmmssss";

inline constexpr std::string_view kKelvoraPrefsID = "com.zerovin.KelvoraPrefs";
inline constexpr std::string_view kSetupSortTypeKey = "setupSortType";
inline constexpr std::string_view kFilePickerSortTypeKey = "filePickerSortType";
inline constexpr std::string_view kFileExplorerSortTypeKey = "fileExplorerSortType";
inline constexpr std::string_view kDidShowTutorialKey = "didShowTutorial";
inline constexpr std::string_view kDidCopiedOriginalFilesKey = "didCopiedOriginalFiles";
inline constexpr std::string_view kAccentColourKey = "accentColour";

inline constexpr std::string_view kSortSetupAToZ = "Setup A-Z";
inline constexpr std::string_view kSortSetupZToA = "Setup Z-A";
inline constexpr std::string_view kSortFileAToZ = "File A-Z";
inline constexpr std::string_view kSortFileZToA = "File Z-A";
inline constexpr std::string_view kSortDateNewest = "Date Newest";
inline constexpr std::string_view kSortDateOldest = "Date Oldest";
// The choices of each list's "Sort" sheet, in the order the sheet shows them.
inline constexpr std::array<std::string_view, 4> kSetupSortTypes{kSortSetupAToZ, kSortSetupZToA,
                                                                 kSortDateNewest, kSortDateOldest};
inline constexpr std::array<std::string_view, 4> kFileSortTypes{kSortFileAToZ, kSortFileZToA,
                                                                kSortDateNewest, kSortDateOldest};
inline constexpr std::string_view kDefaultAccentColour = "04C7BE";

}  // namespace kelvora
