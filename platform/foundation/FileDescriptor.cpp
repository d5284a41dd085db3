#include "platform/foundation/FileDescriptor.h"

#include <unistd.h>

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

}  // namespace foundation
