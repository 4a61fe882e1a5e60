#include "core/sequence/PreviewRows.h"

#include "core/handoff/DownloadTarget.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

const std::string kSep(1, DownloadTarget::kSeparator);

TEST(PreviewRowsTest, KeepsEveryUrlExactlyAcrossItsBlocks) {
    PreviewRows rows;
    rows.clear("");
    // Two and a half megabytes of URLs, so that they fill more than one block.
    const std::string longest = "http://h/" + std::string(5000, 'x') + "/big.bin";
    for (int i = 0; i < 25'000; ++i) {
        rows.append(i == 12'345 ? longest
                                : "http://h/p/" + std::string(90, 'a') + std::to_string(i));
    }
    rows.append(std::string("a\0b", 3));
    ASSERT_EQ(rows.count(), 25'001u);
    EXPECT_EQ(rows.url(0), "http://h/p/" + std::string(90, 'a') + "0");
    EXPECT_EQ(rows.url(24'999), "http://h/p/" + std::string(90, 'a') + "24999");
    EXPECT_EQ(rows.url(12'345), longest);
    EXPECT_EQ(rows.url(25'000), std::string("a\0b", 3));
    EXPECT_EQ(rows.longestUrlRow(), 12'345u);
    // The file name of the URL without any "/" is all of it; the longest name is a number's.
    EXPECT_EQ(rows.longestDownloadToRow(), 10'000u);
    EXPECT_EQ(rows.downloadTo(5), "");

    rows.clear("/dl");
    EXPECT_EQ(rows.count(), 0u);
}

TEST(PreviewRowsTest, DownloadPathsAreTheDirectoryAndTheFileName) {
    for (const std::string& dir : {std::string("/dl"), "/dl" + kSep}) {
        SCOPED_TRACE(dir);
        PreviewRows rows;
        rows.clear(dir);
        for (const char* url : {"files/x/file7.zip", "files/x/", "plain"}) {
            rows.append(url);
        }
        EXPECT_EQ(rows.downloadTo(0), "/dl" + kSep + "file7.zip") << dir;
        EXPECT_EQ(rows.downloadTo(1), "/dl" + kSep) << dir;
        EXPECT_EQ(rows.downloadTo(2), "/dl" + kSep + "plain") << dir;
        EXPECT_EQ(rows.longestDownloadToRow(), 0u);
    }
}

} // namespace
} // namespace harvex2::core
