#include "platform/foundation/FileDescriptor.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace foundation {

FileDescriptor::~FileDescriptor() {
    if (valid()) {
        ::close(descriptor_);
    }
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (valid()) {
            ::close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

int FileDescriptor::close() {
    int descriptor = std::exchange(descriptor_, -1);
    return descriptor < 0 || ::close(descriptor) == 0 ? 0 : errno;
}

}  // namespace foundation
