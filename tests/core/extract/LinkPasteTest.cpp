#include "core/extract/LinkPaste.h"

#include "core/extract/SettingsSwitches.h"
#include "core/shell/SettingsRecord.h"
#include "support/core/HandoffFakes.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using Links = std::vector<std::string>;

PastedLinks paste(const OfferedText& offered) {
    const SettingsRecord defaults;
    const SettingsSwitches switches(defaults);
    return LinkPaste::read(offered, {}, switches);
}

TEST(LinkPaste, TakesTheFirstFormatThatHoldsLinks) {
    struct Row {
        const char* name;
        OfferedText offered;
        Links links;
        std::size_t leftOut;
    };
    const Row rows[] = {
        {"html: hrefs resolved against the page, ignore rules, the text's own links once",
         {"<meta charset=utf-8><a href=\"../up\">x</a><a href=\"mailto:me@h\">m</a>"
          "<a href=\"http://h/t\">http://h/t</a> see http://h/plain, <b>www.w.org</b>",
          std::nullopt, "http://h/never", "http://h/dir/page"},
         {"http://h/up", "http://h/t", "http://h/plain", "http://www.w.org"},
         1},
        {"html without links falls back to the URI list, taken as it is",
         {"<p>nothing</p>", "# comment\r\nhttp://h/1?q\r\nmailto:me@h\r\n", "http://h/never", ""},
         {"http://h/1?q", "mailto:me@h"},
         0},
        {"plain text: every link of every line, lines without one counted",
         {std::nullopt, std::nullopt,
          "a http://h/1 b http://h/2\n\nno link here\r\nwww.h.com\nnor here", ""},
         {"http://h/1", "http://h/2", "http://www.h.com"},
         2},
        {"nothing at all", {"<a name=x>", std::nullopt, std::nullopt, ""}, {}, 0},
    };
    for (const Row& row : rows) {
        const PastedLinks pasted = paste(row.offered);
        EXPECT_EQ(pasted.links, row.links) << row.name;
        EXPECT_EQ(pasted.leftOut, row.leftOut) << row.name;
        // Every entry added names the page copied from.
        LinkList list;
        test::RecordingStatusBar statusBar;
        LinkPaste::append(pasted, list, statusBar);
        for (std::size_t i = 0; i < list.count(); ++i) {
            EXPECT_EQ(list.originAt(i), row.offered.pageAddress) << row.name;
        }
        EXPECT_FALSE(pasted.tooLarge) << row.name;
    }
}

TEST(LinkPaste, RefusesMoreThanSixtyFourMegabytes) {
    const PastedLinks pasted =
        paste({std::nullopt, std::nullopt, std::string(LinkPaste::kLargest + 1, 'x'), ""});
    EXPECT_TRUE(pasted.tooLarge);
    EXPECT_TRUE(pasted.links.empty());
}

} // namespace
} // namespace harvex2::core
