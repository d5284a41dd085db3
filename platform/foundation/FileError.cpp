#include "platform/foundation/FileError.h"

#include <cerrno>
#include <cstring>

namespace foundation::FileError {

namespace {

std::string quoted(std::string_view path) {
    return "\u201C" + std::string(path) + "\u201D";
}

}  // namespace

std::string reason(int error) {
    switch (error) {
        case sameItem:
            return "it is the same item as the destination";
        case intoItself:
            return "a folder can’t be copied into itself";
        case unstorable:
            return "it holds a value a property list can’t store";
        case EEXIST:
            return "an item with the same name already exists";
        case ENOENT:
            return "there is no such file or folder";
        case EACCES:
        case EPERM:
            return "you don’t have permission to access it";
        case ENOSPC:
        case EDQUOT:
            return "there isn’t enough space";
        case ENOTDIR:
            return "a part of the path is not a folder";
        case EISDIR:
            return "it is a folder";
        case ENOTEMPTY:
            return "the folder is not empty";
        case EROFS:
            return "the volume is read only";
        case EFBIG:
            return "it is too large";
        case ENAMETOOLONG:
            return "the name is too long";
        case ELOOP:
            return "it leads through too many links";
        case EINVAL:
            return "the name is not valid";
        case ENOTSUP:
            return "it is not a file or a folder";
        default:
            return std::string("of an error: ") + std::strerror(error);
    }
}

Error creating(std::string_view path, int error) {
    return Error{"The folder " + quoted(path) + " couldn’t be created because " + reason(error) +
                 "."};
}

Error copying(std::string_view from, std::string_view to, int error) {
    return Error{quoted(from) + " couldn’t be copied to " + quoted(to) + " because " +
                 reason(error) + "."};
}

Error removing(std::string_view path, int error) {
    return Error{quoted(path) + " couldn’t be removed because " + reason(error) + "."};
}

Error reading(std::string_view path, int error) {
    return Error{"The file " + quoted(path) + " couldn’t be opened because " + reason(error) + "."};
}

Error saving(std::string_view path, int error) {
    return Error{"The file " + quoted(path) + " couldn’t be saved because " + reason(error) + "."};
}

Error inspecting(std::string_view path, int error) {
    return Error{"The attributes of " + quoted(path) + " couldn’t be read because " +
                 reason(error) + "."};
}

}  // namespace foundation::FileError
