#include "core/handoff/NameMask.h"

#include "core/handoff/FileNameRule.h"
#include "core/handoff/LinkNaming.h"
#include "core/handoff/UniqueNames.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

const HandoffDate kDate{2026, 3, 7};

TEST(NameMask, MakesSafePathsFromEachTag) {
    const std::vector<std::string> counters = {"007", "b"};
    struct Case {
        std::string mask;
        std::string url;
        std::string path;
    };
    const std::vector<Case> cases = {
        {"*name*.*ext*", "http://h/a/caf%C3%A9.tar.gz?x=1", "café.tar.gz"},
        {"*y*-*m*-*d*_*num*", "http://h/f", "2026-03-07_0042"},
        {"#1-#2-#3", "http://h/f", "007-b-#3"},
        {"*host*/*subdirs*/*name*", "http://u@cdn.example:81/p/q%20r/f.bin", "cdn.example/p/q r/f"},
        // Folders that would climb out, or come out empty, are dropped.
        {"*subdirs*/*name*", "http://h/../a/%2e%2e/./b//f.txt", "a/b/f"},
        {"../x/./*name*", "http://h/f.txt", "x/f"},
        {"*subdirs*/*name*", "http://h/f.txt", "f"},
        // A decoded separator or control character stays inside its segment.
        {"*name*", "http://h/a%2Fb%0Ac", "a_b_c"},
        // No usable file name: the download manager names the file.
        {"*ext*", "http://h/noext", ""},
        {"*name*", "http://h/-", "_"},
        {"x/..", "http://h/f", ""},
        {"*name*", "http://h/%FF", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameMask(c.mask).pathFor({c.url, 42, 1000, &counters}, kDate), c.path) << c.mask;
    }
    EXPECT_TRUE(NameMask("").empty());
    EXPECT_EQ(NameMask::cleanPath("../a/./b/c.txt"), "a/b/c.txt");
}

TEST(UniqueNames, NumbersCollisionsWithinTheBatchAndTheFolder) {
    const auto folder = std::filesystem::path(testing::TempDir()) / "unique-names";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "sub");
    std::ofstream(folder / "f.txt") << "x";
    std::ofstream(folder / "sub" / ".rc") << "x";

    UniqueNames names(UniqueNames::inFolder(folder.string()));
    const std::vector<std::pair<std::string, std::string>> claims = {
        {"f.txt", "f_2.txt"},
        {"f.txt", "f_3.txt"},
        {"g", "g"},
        {"g", "g_2"},
        {"sub/.rc", "sub/.rc_2"},
        {"", ""},
        {"", ""},
    };
    for (const auto& [path, given] : claims) {
        EXPECT_EQ(names.claim(path), given) << path;
    }
    const std::string longName = std::string(250, 'a') + "\xC3\xA9.jpg";
    const std::string numbered = UniqueNames::numbered(longName, 12);
    EXPECT_EQ(numbered.size(), FileNameRule::kMaxBytes);
    EXPECT_TRUE(numbered.ends_with("a_12.jpg")) << numbered;
    std::filesystem::remove_all(folder);
}

TEST(LinkNaming, ImportedNamesWinAndReferrersFollowTheChoice) {
    const std::string imported = "../given.pdf";
    struct Case {
        Referrer referrer;
        std::string origin;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{Referrer::Kind::Page, {}}, "http://page/", "http://page/"},
        {{Referrer::Kind::Page, {}}, "", "http://base/"},
        {{Referrer::Kind::Fixed, "http://fixed/"}, "http://page/", "http://fixed/"},
        {{Referrer::Kind::None, {}}, "http://page/", ""},
    };
    for (const Case& c : cases) {
        LinkNaming naming({"*num*.*ext*", c.referrer, "http://base/", kDate, 2}, UniqueNames());
        const LinkNaming::Named first = naming.next({"http://h/a.pdf", c.origin, &imported});
        const LinkNaming::Named second = naming.next({"http://h/b.pdf", c.origin});
        EXPECT_EQ(first.name, "given.pdf");
        EXPECT_EQ(second.name, "2.pdf");
        EXPECT_EQ(first.referrer, c.expected);
    }
    EXPECT_EQ(Referrer::parse("none").kind, Referrer::Kind::None);
    EXPECT_EQ(Referrer::parse("page").kind, Referrer::Kind::Page);
    EXPECT_EQ(Referrer::parse("http://x/").fixed, "http://x/");
}

} // namespace
} // namespace harvex2::core
