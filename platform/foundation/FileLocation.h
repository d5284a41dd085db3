#pragma once

#include <memory>
#include <string>

#include "platform/foundation/FileDescriptor.h"

namespace foundation {

// One item on both sides of the device root: the open folder that holds it and its name in
// that folder, which the system calls take, so that no path above it is ever resolved again;
// and the device path that fault hooks and error messages name. The name is one entry, or
// an entry of a temporary folder that a replacement made beside its target.
struct FileLocation {
    std::shared_ptr<const FileDescriptor> folder;
    std::string name;
    std::string device;

    int at() const { return folder->get(); }
    const char* entry() const { return name.c_str(); }

    // The item itself, opened as a folder and never through a link, so that its entries can
    // be named; 0 or the system error number.
    int open(std::shared_ptr<const FileDescriptor>& opened) const;
    // An entry of this item, once it is opened as `opened`.
    FileLocation child(std::shared_ptr<const FileDescriptor> opened, const std::string& name) const;
};

}  // namespace foundation
