#include "platform/foundation/TemporarySibling.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/foundation/FileTree.h"

namespace foundation {

namespace {

// Leaves room for the suffix within the 255 bytes a name may have.
constexpr std::size_t longestKeptName = 200;

std::string pattern(const std::filesystem::path& target) {
    std::string name = target.filename().string().substr(0, longestKeptName);
    return (target.parent_path() / ("." + name + ".kelvora-XXXXXX")).string();
}

}  // namespace

TemporarySibling::TemporarySibling(const std::filesystem::path& target, Kind kind) : kind_(kind) {
    std::string name = pattern(target);
    if (kind == Kind::file) {
        file_ = FileDescriptor(::mkostemp(name.data(), O_CLOEXEC));
        error_ = file_.valid() ? 0 : errno;
    } else {
        error_ = ::mkdtemp(name.data()) != nullptr ? 0 : errno;
    }
    if (error_ == 0) {
        path_ = name;
    }
}

TemporarySibling::~TemporarySibling() {
    if (error_ != 0 || released_) {
        return;
    }
    if (kind_ == Kind::file) {
        ::unlink(path_.c_str());
    } else {
        FileTree(nullptr).remove({path_, path_.string()});
    }
}

}  // namespace foundation
