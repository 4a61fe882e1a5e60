#include "core/extract/ParseHtml.h"

#include "core/extract/LinkScanner.h"
#include "core/extract/PrintScanCounters.h"
#include "platform/IoError.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using platform::MessageButton;
using platform::MessageIcon;
using platform::StatusPanel;

struct Switches final : IgnoreSwitches {
    bool ignoreMailTo() const override { return true; }
    bool ignoreBookmarks() const override { return true; }
    bool qLinks() const override { return true; }
};

struct Status final : platform::StatusBar {
    std::map<StatusPanel, std::string> panels;
    void setText(StatusPanel panel, const std::string& text) override { panels[panel] = text; }
    std::string text(StatusPanel panel) const override {
        const auto it = panels.find(panel);
        return it == panels.end() ? std::string() : it->second;
    }
};

struct LastCounters final : ScanStats {
    ScanCounters shown;
    int finished = 0;
    void UpdateStats(ScanEvent event, const ScanCounters& counters) override {
        shown = counters;
        finished += event == ScanEvent::Finished ? 1 : 0;
    }
};

std::vector<std::string> texts(const LinkList& links) {
    std::vector<std::string> all;
    for (std::size_t i = 0; i < links.count(); ++i) {
        EXPECT_FALSE(links.checkedAt(i));
        all.push_back(links.textAt(i));
    }
    return all;
}

class ParseHtmlRun : public testing::Test {
protected:
    test::TempFolder folder;
    ReadingChoice choice;
    Switches switches;
    LinkList links;
    LastCounters stats;
    Status status;
    test::ScriptedPrompts prompts;
};

TEST_F(ParseHtmlRun, AppendsAfterExistingEntriesAndReportsOnTheStatusBar) {
    links.append("earlier");
    const std::string path =
        folder.makeFile("page.htm", "<a href=\"one\">\r\n<a href=\"#two\"><a href=\"one\">");
    EXPECT_TRUE(ParseHTML(path, choice, switches, links, stats, prompts, status));
    EXPECT_EQ(texts(links), (std::vector<std::string>{"earlier", "one", "one"}));
    EXPECT_EQ(stats.shown, (ScanCounters{45, 2, 1}));
    EXPECT_EQ(stats.finished, 1);
    EXPECT_EQ(status.text(StatusPanel::State), "Parsed page.htm");
    EXPECT_EQ(status.text(StatusPanel::Detail), "Links extracted: 2");
}

TEST_F(ParseHtmlRun, AnEmptyFileStillReportsZero) {
    EXPECT_TRUE(ParseHTML(folder.makeFile("empty.html", ""), choice, switches, links, stats,
                          prompts, status));
    EXPECT_EQ(links.count(), 0u);
    EXPECT_EQ(stats.shown, ScanCounters{});
    EXPECT_EQ(status.text(StatusPanel::State), "Parsed empty.html");
    EXPECT_EQ(status.text(StatusPanel::Detail), "Links extracted: 0");
}

TEST_F(ParseHtmlRun, ASourceThatCannotBeOpenedChangesNothing) {
    status.setText(StatusPanel::State, "before");
    const std::string missing = folder.file("missing.htm");
    const std::pair<std::string, std::string> rows[] = {
        {missing, missing + ": File not found"},
        {"", "File not found"},
        {folder.path(), folder.path() + ": File access denied"},
    };
    for (const auto& [path, second] : rows) {
        SCOPED_TRACE(path);
        prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "Error opening the HTML source file\n" + second, {MessageButton::Ok},
                              MessageButton::Ok);
        EXPECT_FALSE(ParseHTML(path, choice, switches, links, stats, prompts, status)) << path;
    }
    EXPECT_EQ(links.count(), 0u);
    EXPECT_EQ(status.text(StatusPanel::State), "before");
    EXPECT_EQ(stats.finished, 0);
}

// Counts the list's notifications and checks, whenever counters are reported, that every
// link counted is already in the list.
struct Following final : ScanStats, LinkListObserver {
    explicit Following(LinkList& list) : links(list) { links.setObserver(this); }
    ~Following() override { links.setObserver(nullptr); }

    void UpdateStats(ScanEvent event, const ScanCounters& counters) override {
        if (event == ScanEvent::Characters || event == ScanEvent::Finished) {
            EXPECT_EQ(std::ssize(texts(links)), counters.linksFound);
        }
    }
    void beginAppend(std::size_t, std::size_t) override { ++appends; }
    void endAppend() override {}
    void beginRemove(std::size_t, std::size_t) override {}
    void endRemove() override {}
    void checkedChanged(std::size_t, std::size_t) override {}
    void beginReset() override {}
    void endReset() override {}

    LinkList& links;
    int appends = 0;
};

TEST_F(ParseHtmlRun, HandsLinksToTheListAPieceAtATime) {
    std::string html;
    while (html.size() < 3 * LinkScanner::kBufferSize) {
        html += "<a href=\"" + std::to_string(html.size()) + "\">";
    }
    Following following(links);
    // Resolution holds the links back to the end of the page, where the address may stand.
    choice.resolvePageLinks = false;
    ASSERT_TRUE(ParseHTML(folder.makeFile("many.htm", html), choice, switches, links, following,
                          prompts, status));
    EXPECT_GT(links.count(), 40'000u);
    EXPECT_EQ(links.textAt(1), "12");
    EXPECT_LE(following.appends, 4);
}

TEST_F(ParseHtmlRun, ResolvesTheLinksOfAPageThatNamesItsAddressAndSaysSo) {
    const std::string html = R"(<a href="../up.htm"><a href="http://other/x">)"
                             R"(<base href="http://site/dir/sub/"><a href="//host/y">)";
    ASSERT_TRUE(
        ParseHTML(folder.makeFile("p.htm", html), choice, switches, links, stats, prompts, status));
    EXPECT_EQ(texts(links), (std::vector<std::string>{"http://site/dir/up.htm", "http://other/x",
                                                      "http://site/dir/sub/", "http://host/y"}));
    EXPECT_EQ(status.text(StatusPanel::Detail),
              "Links resolved against the page's address: http://site/dir/sub/");
    for (std::size_t i = 0; i < links.count(); ++i) {
        EXPECT_EQ(links.originAt(i), "http://site/dir/sub/") << i;
    }

    choice.resolvePageLinks = false;
    links.clear();
    ASSERT_TRUE(ParseHTML(folder.file("p.htm"), choice, switches, links, stats, prompts, status));
    EXPECT_EQ(links.textAt(0), "../up.htm");
    EXPECT_EQ(links.originAt(0), "");
    EXPECT_EQ(status.text(StatusPanel::Detail), "Links extracted: 4");
}

TEST(ParseHtmlFile, AppendsToTheStagingListOnly) {
    test::TempFolder folder;
    std::vector<std::string> staging{"kept"};
    std::string address;
    EXPECT_EQ(ParseHTMLFile(folder.makeFile("a.html", R"(<a href="x"><a href="y?z"><a href=w>)"),
                            ReadingChoice{}, Switches{}, staging, address),
              0);
    EXPECT_EQ(address, "");
    EXPECT_EQ(staging, (std::vector<std::string>{"kept", "x", "w"}));
    EXPECT_EQ(ParseHTMLFile(folder.makeFile("b.html", R"(<base href="http://b/"><a href="x">)"),
                            ReadingChoice{}, Switches{}, staging, address),
              0);
    EXPECT_EQ(address, "http://b/");
    EXPECT_EQ(staging, (std::vector<std::string>{"kept", "x", "w", "http://b/", "http://b/x"}));
}

TEST(ParseHtmlFile, ReportsTheSystemErrorNumberTheFileAndTheReason) {
    test::TempFolder folder;
    std::vector<std::string> staging;
    std::string address;
    const std::string gone = folder.file("gone.htm");
    EXPECT_EQ(ParseHTMLFile(gone, ReadingChoice{}, Switches{}, staging, address), ENOENT);
    EXPECT_EQ(ParseHTMLFile(folder.path(), ReadingChoice{}, Switches{}, staging, address), EISDIR);
    EXPECT_TRUE(staging.empty());
    EXPECT_EQ(ParseHTMLFileError(gone, ENOENT),
              "Error opening the HTML source file 2\n" + gone + ": File not found");
    EXPECT_EQ(ParseHTMLFileError(gone, platform::IoError::kNotRegularFile),
              "Error opening the HTML source file\n" + gone + ": Not a regular file");
}

} // namespace
} // namespace harvex2::core
