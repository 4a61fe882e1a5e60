#include "platform/IoError.h"

#include <cerrno>

namespace harvex2::platform {

IoError::IoError(int code) : std::runtime_error(textFor(code)), code_(code) {}

IoError IoError::fromErrno() {
    return IoError(errno);
}

std::string IoError::textFor(int code) {
    switch (code) {
    case ENOENT:
        return "File not found";
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case kReadBeyondEnd:
        return "Read beyond end of file";
    case kNotRegularFile:
        return "Not a regular file";
    case kNotLinkList:
        return "Not a Harvex links list";
    case kHardLinked:
        return "File has other hard links";
    case kDanglingLink:
        return "Link to a missing file";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(code);
    }
}

} // namespace harvex2::platform
