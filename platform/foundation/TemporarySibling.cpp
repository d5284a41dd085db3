#include "platform/foundation/TemporarySibling.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <random>
#include <string>

#include "platform/foundation/FileTree.h"

namespace foundation {

namespace {

// Leaves room for the suffix within the 255 bytes a name may have.
constexpr std::size_t longestKeptName = 200;
constexpr std::string_view suffix = ".kelvora-";
constexpr std::size_t uniquePart = 6;
constexpr int attempts = 100;

std::string uniqueLetters() {
    static constexpr std::string_view letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random(std::random_device{}());
    std::string unique(uniquePart, ' ');
    for (char& letter : unique) {
        letter = letters[random() % letters.size()];
    }
    return unique;
}

}  // namespace

TemporarySibling::TemporarySibling(const FileLocation& target, Kind kind)
    : location_{target.folder, "", target.device}, kind_(kind) {
    error_ = EEXIST;
    std::string stem = "." + target.name.substr(0, longestKeptName) + std::string(suffix);
    for (int attempt = 0; attempt < attempts && error_ == EEXIST; ++attempt) {
        location_.name = stem + uniqueLetters();
        error_ = make(kind);
    }
}

int TemporarySibling::make(Kind kind) {
    if (kind == Kind::folder) {
        return ::mkdirat(location_.at(), location_.entry(), 0700) == 0 ? 0 : errno;
    }
    file_ = FileDescriptor(::openat(location_.at(), location_.entry(),
                                    O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    return file_.valid() ? 0 : errno;
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
        ::unlinkat(location_.at(), location_.entry(), 0);
    } else {
        FileTree(nullptr).remove(location_);
    }
}

}  // namespace foundation
