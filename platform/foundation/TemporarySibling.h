#pragma once

#include <string_view>

#include "platform/foundation/FileDescriptor.h"
#include "platform/foundation/FileLocation.h"

namespace foundation {

// A hidden, uniquely named file or folder beside a target (".name.kelvora-XXXXXX"), where a
// replacement is built before it is renamed over the target. Unless it was renamed into
// place it is removed when it goes out of scope, so no failure leaves one behind. Its name
// never ends in the target's extension, so a listing that picks files by extension skips
// one that a crash left behind.
class TemporarySibling final {
  public:
    enum class Kind { file, folder };

    TemporarySibling(const FileLocation& target, Kind kind);
    ~TemporarySibling();
    TemporarySibling(const TemporarySibling&) = delete;
    TemporarySibling& operator=(const TemporarySibling&) = delete;

    // 0 when it was made, else the system error number.
    int error() const { return error_; }
    // In the target's folder, under the target's device path for fault hooks and messages.
    const FileLocation& location() const { return location_; }
    // The open file of a file sibling, until it is closed.
    int descriptor() const { return file_.get(); }
    // Closes the file once it is written, so that many staged files hold no descriptors;
    // 0, or the error that closing reported.
    int closeFile() { return file_.close(); }

    // Its contents were renamed away; nothing is left to remove.
    void release() { released_ = true; }

    // Whether a directory entry's name is one a sibling is made with, so that what a killed
    // process left behind can be told from the user's own files.
    static bool isSiblingName(std::string_view name);

  private:
    int make(Kind kind);

    FileLocation location_;
    FileDescriptor file_;
    Kind kind_;
    int error_ = 0;
    bool released_ = false;
};

}  // namespace foundation
