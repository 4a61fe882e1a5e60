#include "core/extract/BaseUrl.h"

#include <string>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

struct Row {
    const char* base;
    const char* link;
    bool absolute;
    const char* resolved; // what leaves the program
};

const Row kRows[] = {
    {"http://site/dir/", "/file.zip", false, "http://site/dir/file.zip"},
    {"http://site/dir", "file.zip", false, "http://site/dirfile.zip"},
    {"http://site/dir/", "file.zip", false, "http://site/dir/file.zip"},
    {"http://site/dir", "/file.zip", false, "http://site/dir/file.zip"},
    {"http://site/", "//other/x", false, "http://site//other/x"},
    {"http://site/a/", "../b.htm", false, "http://site/a/../b.htm"},
    {"http://", "name.zip", false, "http://name.zip"},
    {"http://site/", "", false, "http://site/"},
    {"http://site/", "https://other/file.zip", true, "https://other/file.zip"},
    {"http://site/", "HTTP://OTHER/X", true, "HTTP://OTHER/X"},
    {"http://site/", "Ftp://other/x", true, "Ftp://other/x"},
    {"http://site/", "mailto:me@site", true, "mailto:me@site"},
    {"http://site/", "javascript:go()", true, "javascript:go()"},
    {"http://site/", "svn+ssh.v-2:x", true, "svn+ssh.v-2:x"},
    {"http://site/", "go.cgi?to=http://other/", true, "go.cgi?to=http://other/"},
    {"http://site/", "dl?from=ftp://other/", true, "dl?from=ftp://other/"},
    {"http://site/", "1http:x", false, "http://site/1http:x"},
    {"http://site/", "page.htm#a:b", false, "http://site/page.htm#a:b"},
    {"http://site/", "dir/a:b", false, "http://site/dir/a:b"},
    {"http://site/", ":x", false, "http://site/:x"},
    {"http://site/", "noscheme", false, "http://site/noscheme"},
    {"", "/file.zip", false, "/file.zip"},
};

TEST(BaseUrl, AbsoluteTestAndResolution) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.base) + " | " + row.link);
        EXPECT_EQ(BaseUrl::isAbsolute(row.link), row.absolute) << row.link;
        EXPECT_EQ(BaseUrl::resolve(row.base, row.link), row.resolved) << row.base << row.link;
    }
}

TEST(BaseUrl, JoinDropsOneSlashAndNothingElse) {
    EXPECT_EQ(BaseUrl::join("b/", "/l"), "b/l");
    EXPECT_EQ(BaseUrl::join("b//", "//l"), "b///l");
    EXPECT_EQ(BaseUrl::join("b", "l"), "bl");
    EXPECT_EQ(BaseUrl::join("b/", ""), "b/");
    EXPECT_EQ(BaseUrl::join("", "/l"), "/l");
}

} // namespace
} // namespace harvex2::core
