#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/LinkListLoader.h"
#include "core/listfiles/ListHeader.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"
#include "platform/posix/ReplacingFile.h"
#include "support/core/TempFolder.h"

#include <string>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using test::TempFolder;

// A record spelled out byte by byte: flag, length, text, zeros to 128.
std::string record(char flag, std::string_view text) {
    std::string bytes{flag, static_cast<char>(text.size())};
    bytes += text;
    bytes.append(128 - text.size(), '\0');
    return bytes;
}

std::string headerBytes(std::string_view base, std::string_view directory) {
    return record(0, "142") + record(0, base) + record(0, directory);
}

class LinkListFileTest : public testing::Test {
protected:
    std::string save(const ListHeader& header) {
        const std::string path = folder.file("list.nva");
        platform::ReplacingFile out(path);
        LinkListFileWriter::write(out, header, links);
        out.commit();
        return TempFolder::read(path);
    }

    // Loads `bytes` into the list and returns the failure's text, or "" without one.
    std::string load(const std::string& bytes) {
        const std::string path = folder.makeFile("in.nva", bytes);
        try {
            LinkListLoader(links, boxes).load(path);
        } catch (const platform::IoError& error) {
            return error.what();
        }
        return {};
    }

    TempFolder folder;
    LinkList links;
    ListHeader boxes;
};

TEST_F(LinkListFileTest, AnEmptyListIsTheThreeHeaderRecords) {
    const std::string bytes = save(ListHeader("http://example.com/", "/home/me/dl"));
    ASSERT_EQ(bytes.size(), 390u);
    EXPECT_EQ(bytes, headerBytes("http://example.com/", "/home/me/dl"));
}

TEST_F(LinkListFileTest, EntriesKeepOrderAndStateAndLongTextsAreCutTo128) {
    links.append("a.zip");
    links.append(std::string(200, 'x'));
    links.append("");
    links.setChecked(0, true);
    const std::string bytes = save(ListHeader());
    EXPECT_EQ(bytes, headerBytes("", "") + record(1, "a.zip") + record(0, std::string(128, 'x')) +
                         record(0, ""));

    LinkList again;
    ListHeader header("old", "old");
    LinkListLoader(again, header).load(folder.file("list.nva"));
    ASSERT_EQ(again.count(), 3u);
    EXPECT_EQ(again.textAt(1), std::string(128, 'x'));
    EXPECT_TRUE(again.checkedAt(0));
    EXPECT_FALSE(again.checkedAt(1));
    EXPECT_EQ(header.baseUrl(), "");
}

TEST_F(LinkListFileTest, LoadingAppendsAfterTheEntriesThereWithTheirStoredState) {
    links.append("old1");
    links.append("old2");
    links.setChecked(1, true);
    std::string file = headerBytes("http://b/", "dir") + record(1, "A") + record(0, "B");
    file[130 * 3 + 2 + 1] = 'Z'; // bytes after a text carry no meaning
    file[130 * 4] = 7;           // any flag but 0 reads as checked
    EXPECT_EQ(load(file), "");
    ASSERT_EQ(links.count(), 4u);
    EXPECT_EQ(links.textAt(0), "old1");
    EXPECT_FALSE(links.checkedAt(0));
    EXPECT_TRUE(links.checkedAt(1));
    EXPECT_EQ(links.textAt(2), "A");
    EXPECT_TRUE(links.checkedAt(2));
    EXPECT_EQ(links.textAt(3), "B");
    EXPECT_TRUE(links.checkedAt(3));
    EXPECT_EQ(boxes.baseUrl(), "http://b/");
    EXPECT_EQ(boxes.downloadDirectory(), "dir");
}

TEST_F(LinkListFileTest, AnIncompleteLastRecordFailsAfterTheWholeRecordsAreLoaded) {
    const std::string whole = headerBytes("base", "dir") + record(1, "first");
    EXPECT_EQ(load(whole + std::string(60, 'q')), "Read beyond end of file");
    ASSERT_EQ(links.count(), 1u);
    EXPECT_EQ(links.textAt(0), "first");
    EXPECT_EQ(boxes.downloadDirectory(), "dir");
}

TEST_F(LinkListFileTest, AHeaderThatIsNotALinkListsOrIsCutShortChangesNothing) {
    std::string text;
    while (text.size() < 400) {
        text += "http://site/file.zip\r\n";
    }
    const std::string header = headerBytes("b", "d") + record(1, "entry");
    const auto with = [&](std::size_t at, char byte) {
        std::string bytes = header;
        bytes[at] = byte;
        return bytes;
    };
    const std::pair<std::string, const char*> rows[] = {
        {text, "Not a Harvex links list"},
        {"<html>", "Not a Harvex links list"},
        {with(130, '\2'), "Not a Harvex links list"},   // a Base URL flag
        {with(261, '\x81'), "Not a Harvex links list"}, // a directory length of 129
        {with(4, 'x'), "Not a Harvex links list"},      // a format text "1x2"
        {record(0, "142") + record(0, "only base"), "Read beyond end of file"},
        {"", "Read beyond end of file"},
        {std::string(129, '\0'), "Read beyond end of file"},
    };
    for (const auto& [bytes, failure] : rows) {
        SCOPED_TRACE(bytes.substr(0, 8));
        links.append("kept");
        boxes.setBaseUrl("old");
        EXPECT_EQ(load(bytes), failure);
        EXPECT_EQ(boxes.baseUrl(), "old");
        EXPECT_EQ(links.count(), 1u);
        links.clear();
    }
}

TEST_F(LinkListFileTest, ALengthByteAbove128ReadsTheWholeFieldAndNoFurther) {
    std::string entry = record(0, std::string(128, 'y'));
    entry[1] = static_cast<char>(255);
    EXPECT_EQ(load(headerBytes("", "") + entry + record(0, "next")), "");
    ASSERT_EQ(links.count(), 2u);
    EXPECT_EQ(links.textAt(0), std::string(128, 'y'));
    EXPECT_EQ(links.textAt(1), "next");
}

TEST_F(LinkListFileTest, AReadOnlyFileOpensAndMissingOnesSayWhy) {
    const std::string path = folder.makeFile("ro.nva", headerBytes("b", "d") + record(0, "x"));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    LinkListLoader(links, boxes).load(path);
    EXPECT_EQ(links.count(), 1u);

    EXPECT_THROW(
        {
            try {
                LinkListLoader(links, boxes).load(folder.file("missing.nva"));
            } catch (const platform::IoError& error) {
                EXPECT_STREQ(error.what(), "File not found");
                throw;
            }
        },
        platform::IoError);
}

TEST_F(LinkListFileTest, ProgressCountsEveryEntryAppended) {
    std::string file = headerBytes("", "");
    for (int i = 0; i < 5000; ++i) {
        file += record(0, std::to_string(i));
    }
    std::size_t last = 0;
    LinkListLoader(links, boxes).load(folder.makeFile("big.nva", file), [&](std::size_t appended) {
        EXPECT_GT(appended, last);
        last = appended;
    });
    EXPECT_EQ(last, 5000u);
    EXPECT_EQ(links.textAt(4999), "4999");
}

} // namespace
} // namespace harvex2::core
