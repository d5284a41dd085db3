#include "platform/foundation/ReplacementBatch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <set>

#include "platform/foundation/FileDescriptor.h"

namespace foundation {

namespace {

// Flushes every file and folder of a staged item; links are left alone, as copies never follow
// them.
int syncTree(const std::filesystem::path& item) {
    struct stat info;
    if (::lstat(item.c_str(), &info) != 0) {
        return errno;
    }
    if (S_ISDIR(info.st_mode)) {
        for (const std::string& name : FileTree::names(item).value_or(std::vector<std::string>{})) {
            if (int error = syncTree(item / name)) {
                return error;
            }
        }
    } else if (!S_ISREG(info.st_mode)) {
        return 0;
    }
    FileDescriptor descriptor(::open(item.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!descriptor.valid()) {
        return errno;
    }
    return ::fsync(descriptor.get()) == 0 ? 0 : errno;
}

bool syncFileSystem(const std::filesystem::path& folder) {
    FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return descriptor.valid() && ::syncfs(descriptor.get()) == 0;
}

}  // namespace

int ReplacementBatch::stage(const FileLocation& source, const FileLocation& target) {
    AtomicReplacement replacement(target, fault_);
    if (int error = replacement.stage(source, false)) {
        return error;
    }
    staged_.push_back(std::move(replacement));
    return 0;
}

// One syncfs per file system; where it fails (or the folder cannot be opened) each staged item
// is flushed file by file, and an item that cannot be flushed is not renamed.
std::vector<int> ReplacementBatch::flush() const {
    std::vector<int> errors(staged_.size(), 0);
    std::map<dev_t, bool> flushedFileSystems;
    for (std::size_t index = 0; index < staged_.size(); ++index) {
        auto folder = staged_[index].target().host.parent_path();
        struct stat info;
        bool flushed = false;
        if (::stat(folder.c_str(), &info) == 0) {
            auto found = flushedFileSystems.find(info.st_dev);
            if (found == flushedFileSystems.end()) {
                found = flushedFileSystems.emplace(info.st_dev, syncFileSystem(folder)).first;
            }
            flushed = found->second;
        }
        if (!flushed) {
            errors[index] = syncTree(staged_[index].staged());
        }
    }
    return errors;
}

std::vector<int> ReplacementBatch::commit() {
    std::vector<int> errors = flush();
    std::set<std::filesystem::path> folders;
    for (std::size_t index = 0; index < staged_.size(); ++index) {
        if (errors[index] == 0) {
            errors[index] = staged_[index].commit();
        }
        if (errors[index] == 0) {
            folders.insert(staged_[index].target().host.parent_path());
        }
    }
    for (const auto& folder : folders) {
        AtomicReplacement::syncFolder(folder);
    }
    staged_.clear();
    return errors;
}

}  // namespace foundation
