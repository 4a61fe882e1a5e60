#include "platform/posix/AtomicFile.h"

#include "platform/posix/TemporaryFile.h"

#include <sys/stat.h>

namespace harvex2::platform {

void AtomicFile::replace(const std::string& path, std::string_view bytes) {
    TemporaryFile file(path);
    // The stores hold secrets (a download manager's token): whatever the file allowed
    // before, group and others lose their access.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        file.keepOwner(old);
        file.setMode(old.st_mode & 07700);
    }
    file.write(bytes);
    file.commit();
}

} // namespace harvex2::platform
