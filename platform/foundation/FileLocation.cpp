#include "platform/foundation/FileLocation.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/foundation/FileManager.h"

namespace foundation {

int FileLocation::open(std::shared_ptr<const FileDescriptor>& opened) const {
    FileDescriptor folder(::openat(at(), entry(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        return errno;
    }
    opened = std::make_shared<const FileDescriptor>(std::move(folder));
    return 0;
}

FileLocation FileLocation::child(std::shared_ptr<const FileDescriptor> opened,
                                 const std::string& name) const {
    return {std::move(opened), name, appendingPathComponent(device, name)};
}

}  // namespace foundation
