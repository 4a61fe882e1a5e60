#include "platform/IoError.h"

#include <cerrno>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

TEST(IoError, ShowsTheProgramsTextForEachKindOfFailure) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {ENOENT, "File not found"},
        {ENAMETOOLONG, "Invalid filename"},
        {ENOTDIR, "Invalid filename"},
        {EINVAL, "Invalid filename"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {EROFS, "File access denied"},
        {EISDIR, "File access denied"},
        {IoError::kReadBeyondEnd, "Read beyond end of file"},
        {ENOSPC, "Disk full"},
        {EDQUOT, "Disk full"},
        {EIO, "I/O error 5"},
        {EBUSY, "I/O error 16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const IoError error(c.code);
        EXPECT_STREQ(error.what(), c.text) << c.code;
        EXPECT_EQ(error.code(), c.code);
    }
}

TEST(IoError, TakesTheNumberFromErrno) {
    errno = ENOSPC;
    const IoError error = IoError::fromErrno();
    EXPECT_EQ(error.code(), ENOSPC);
    EXPECT_STREQ(error.what(), "Disk full");
}

} // namespace
} // namespace harvex2::platform
