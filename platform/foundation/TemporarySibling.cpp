#include "platform/foundation/TemporarySibling.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string>

#include "platform/foundation/FileTree.h"

namespace foundation {

namespace {

// Leaves room for the suffix within the 255 bytes a name may have.
constexpr std::size_t longestKeptName = 200;
constexpr std::string_view suffix = ".kelvora-";
constexpr std::size_t uniquePart = 6;  // the XXXXXX mkstemp fills in

std::string pattern(const std::filesystem::path& target) {
    std::string name = target.filename().string().substr(0, longestKeptName);
    return (target.parent_path() / ("." + name + std::string(suffix) + "XXXXXX")).string();
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

bool TemporarySibling::isSiblingName(std::string_view name) {
    if (name.size() < 1 + suffix.size() + uniquePart || name.front() != '.') {
        return false;
    }
    std::string_view tail = name.substr(name.size() - suffix.size() - uniquePart);
    return tail.substr(0, suffix.size()) == suffix &&
           std::all_of(tail.begin() + suffix.size(), tail.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
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
