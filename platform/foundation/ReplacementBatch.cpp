#include "platform/foundation/ReplacementBatch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "platform/foundation/FileDescriptor.h"

namespace foundation {

namespace {

// Waits until every file of a staged item is written to the disk; links are left alone, as
// copies never follow them.
int waitForWrites(const FileLocation& item) {
    struct stat info;
    if (::fstatat(item.at(), item.entry(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno;
    }
    if (S_ISDIR(info.st_mode)) {
        std::shared_ptr<const FileDescriptor> folder;
        if (int error = item.open(folder)) {
            return error;
        }
        auto names = FileTree::names(folder->get()).value_or(std::vector<std::string>{});
        for (const std::string& name : names) {
            if (int error = waitForWrites(item.child(folder, name))) {
                return error;
            }
        }
        return 0;
    }
    if (!S_ISREG(info.st_mode)) {
        return 0;
    }
    FileDescriptor descriptor(::openat(item.at(), item.entry(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    constexpr unsigned int writtenThrough =
        SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
    if (!descriptor.valid() || ::sync_file_range(descriptor.get(), 0, 0, writtenThrough) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace

int ReplacementBatch::stage(const FileLocation& source, const FileLocation& target) {
    AtomicReplacement replacement(target, fault_, root_);
    if (int error = replacement.stage(source, FileTree::Flush::started)) {
        return error;
    }
    staged_.push_back(std::move(replacement));
    return 0;
}

// Each staged file's writing was started as it was copied, so the waits overlap; an item
// whose data could not be written is not renamed.
std::vector<int> ReplacementBatch::waitUntilWritten() const {
    std::vector<int> errors;
    errors.reserve(staged_.size());
    for (const auto& replacement : staged_) {
        errors.push_back(waitForWrites(replacement.staged()));
    }
    return errors;
}

std::vector<int> ReplacementBatch::commit() {
    std::vector<int> errors = waitUntilWritten();
    std::set<int> folders;
    for (std::size_t index = 0; index < staged_.size(); ++index) {
        if (errors[index] == 0) {
            errors[index] = staged_[index].commit();
        }
        if (errors[index] == 0) {
            folders.insert(staged_[index].target().at());
        }
    }
    for (int folder : folders) {
        AtomicReplacement::syncFolder(folder);
    }
    staged_.clear();
    return errors;
}

}  // namespace foundation
