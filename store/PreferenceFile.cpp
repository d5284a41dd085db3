#include "store/PreferenceFile.h"

#include <utility>

#include "platform/foundation/BinaryPlistWriter.h"
#include "platform/foundation/FileManager.h"
#include "store/PreferenceNames.h"

namespace kelvora {

namespace {

// More set-aside copies than this of one file means something keeps breaking it; stop
// making copies rather than fill the folder.
constexpr int kMaxSetAsideCopies = 100;

// Preference files are small; one larger than this reads as unreadable, so it is kept aside
// rather than read whole into memory on every lookup.
constexpr std::uint64_t kMaxFileBytes = 64 * 1024 * 1024;

constexpr std::string_view kBinaryMagic = "bplist00";

std::string setAsidePath(const std::string& path, int attempt) {
    std::string result = path + ".unreadable";
    return attempt == 1 ? result : result + "-" + std::to_string(attempt);
}

}  // namespace

PreferenceFile::PreferenceFile(std::string path, foundation::PlistDictionary dictionary,
                               State state, Form form)
    : path_(std::move(path)), dictionary_(std::move(dictionary)), state_(state), form_(form) {}

PreferenceFile PreferenceFile::read(std::string path) {
    auto& files = foundation::FileManager::defaultManager();
    auto bytes = files.contentsOfFile(path, kMaxFileBytes);
    if (!bytes) {
        bool exists = files.fileExists(path);
        return PreferenceFile(std::move(path), {}, exists ? State::unreadable : State::missing);
    }
    auto root = foundation::parsePropertyList(bytes.value());
    auto* dictionary = root ? root->get<foundation::PlistDictionary>() : nullptr;
    if (!dictionary) {
        return PreferenceFile(std::move(path), {}, State::unreadable);
    }
    Form form = bytes.value().starts_with(kBinaryMagic) ? Form::binary : Form::xml;
    return PreferenceFile(std::move(path), std::move(*dictionary), State::readable, form);
}

void PreferenceFile::keepCopyBeforeWriting() {
    if (state_ == State::readable) {
        state_ = State::unreadable;
    }
}

foundation::Result<void> PreferenceFile::write() const {
    if (state_ == State::unreadable) {
        auto setAside = setAsideUnreadable();
        if (!setAside) {
            return setAside;
        }
    }
    if (form_ == Form::binary &&
        !PreferenceNames::isKelvorasOwnFile(foundation::lastPathComponent(path_))) {
        return foundation::FileManager::defaultManager().writeAtomically(
            path_, foundation::binaryPropertyList(dictionary_));
    }
    return foundation::writeToFile(dictionary_, path_);
}

foundation::Result<void> PreferenceFile::setAsideUnreadable() const {
    auto& files = foundation::FileManager::defaultManager();
    bool isDirectory = false;
    if (files.fileExists(path_, isDirectory) && isDirectory) {
        // A file can never be renamed over a folder, so there is nothing to protect by a copy.
        return foundation::Error{"“" + path_ + "” couldn’t be saved because a folder is there."};
    }
    for (int attempt = 1; attempt <= kMaxSetAsideCopies; ++attempt) {
        std::string target = setAsidePath(path_, attempt);
        if (!files.fileExists(target)) {
            return files.copyItem(path_, target);
        }
    }
    return foundation::Error{"“" + path_ +
                             "” couldn’t be saved because it could not be read and too many "
                             "earlier copies of it are already kept beside it."};
}

}  // namespace kelvora
