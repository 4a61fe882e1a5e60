#include "core/sequence/RenameMask.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(RenameMask, FillsEachTagFromTheRow) {
    const std::vector<std::string_view> counters = {"007", "b"};
    const std::string url = "http://user@cdn.example.com:8080/a/photo.big.jpg?x=1";
    struct Case {
        std::string mask;
        std::uint64_t number;
        std::uint64_t count;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"#1-#2.jpg", 1, 1, "007-b.jpg"},
        {"#3#0#12x#", 1, 1, "#3#0#12x#"}, // no such counter: left as written
        {"*name*_*num*.*ext*", 7, 1000, "photo.big_0007.jpg"},
        {"*num*", 12, 12, "12"},
        {"*host*/*", 1, 1, "cdn.example.com/*"},
    };
    std::string name;
    for (const Case& c : cases) {
        RenameMask(c.mask).name({url, c.number, c.count, &counters}, name);
        EXPECT_EQ(name, c.name) << c.mask;
    }
}

TEST(RenameMask, FindsFileNameAndHost) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"http://h/dir/f.txt#frag", "f.txt", "h"},
        {"http://h", "", "h"},
        {"http://h/dir/", "", "h"},
        {"http://[::1]:9/x", "x", "::1"},
        {"plain/name", "name", ""},
    };
    for (const auto& [url, file, host] : cases) {
        EXPECT_EQ(RenameMask::fileNameOf(url), file) << url;
        EXPECT_EQ(RenameMask::hostOf(url), host) << url;
    }
}

} // namespace
} // namespace harvex2::core
