#include "core/extract/UriReference.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(UriReference, ResolvesAsRfc3986Does) {
    const char* const base = "http://a/b/c/d;p?q";
    struct Row {
        const char* reference;
        const char* resolved;
    };
    // The normal and abnormal examples of RFC 3986, section 5.4, and blanks around.
    const Row rows[] = {
        {"g:h", "g:h"},
        {"g", "http://a/b/c/g"},
        {"./g", "http://a/b/c/g"},
        {"g/", "http://a/b/c/g/"},
        {"/g", "http://a/g"},
        {"//g", "http://g"},
        {"?y", "http://a/b/c/d;p?y"},
        {"g?y", "http://a/b/c/g?y"},
        {"#s", "http://a/b/c/d;p?q#s"},
        {"g;x?y#s", "http://a/b/c/g;x?y#s"},
        {"", "http://a/b/c/d;p?q"},
        {".", "http://a/b/c/"},
        {"./", "http://a/b/c/"},
        {"..", "http://a/b/"},
        {"../g", "http://a/b/g"},
        {"../..", "http://a/"},
        {"../../../g", "http://a/g"},
        {"/./g", "http://a/g"},
        {"/../g", "http://a/g"},
        {"g.", "http://a/b/c/g."},
        {"..g", "http://a/b/c/..g"},
        {"./../g", "http://a/b/g"},
        {"g/./h", "http://a/b/c/g/h"},
        {"g/../h", "http://a/b/c/h"},
        {"g;x=1/../y", "http://a/b/c/y"},
        {"http:g", "http:g"},
        {" g \n", "http://a/b/c/g"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UriReference::resolve(base, row.reference), row.resolved) << row.reference;
    }
    EXPECT_EQ(UriReference::resolve("http://host", "x"), "http://host/x");
    EXPECT_EQ(UriReference::resolve("http://h/list?page=1", "?page=2"), "http://h/list?page=2");
}

} // namespace
} // namespace harvex2::core
