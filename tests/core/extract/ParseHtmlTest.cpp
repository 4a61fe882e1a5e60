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

using platform::FailureKind;
using platform::StatusPanel;

struct Status final : platform::StatusBar {
    std::map<StatusPanel, std::string> panels;
    void setText(StatusPanel panel, const std::string& text) override { panels[panel] = text; }
    std::string text(StatusPanel panel) const override {
        const auto it = panels.find(panel);
        return it == panels.end() ? std::string() : it->second;
    }
};

struct LastCounters : ParseHtmlObserver {
    ScanCounters shown;
    int endings = 0;
    bool whole = false;
    void progressed(const ScanCounters& counters) override { shown = counters; }
    void ended(const ScanCounters& counters, bool wholeFile) override {
        shown = counters;
        ++endings;
        whole = wholeFile;
    }
};

std::vector<std::string> texts(const LinkList& links) {
    std::vector<std::string> all;
    for (std::size_t i = 0; i < links.count(); ++i) {
        EXPECT_FALSE(links.checkedAt(i));
        all.emplace_back(links.textAt(i));
    }
    return all;
}

class ParseHtmlRunTest : public testing::Test {
protected:
    std::unique_ptr<ParseHtmlRun> start(const std::string& path, ParseHtmlObserver& observer) {
        return ParseHtmlRun::start(path, settings, links, observer, prompts, status);
    }
    bool parse(const std::string& path, ParseHtmlObserver& observer) {
        const auto run = start(path, observer);
        if (!run) {
            return false;
        }
        while (run->advance()) {
        }
        return true;
    }
    bool parse(const std::string& path) { return parse(path, stats); }

    test::TempFolder folder;
    SettingsRecord settings;
    LinkList links;
    LastCounters stats;
    Status status;
    test::ScriptedPrompts prompts;
};

TEST_F(ParseHtmlRunTest, AppendsAfterExistingEntriesAndReportsOnTheStatusBar) {
    links.append("earlier");
    const std::string path =
        folder.makeFile("page.htm", "<a href=\"one\">\r\n<a href=\"#two\"><a href=\"one\">");
    EXPECT_TRUE(parse(path));
    EXPECT_EQ(texts(links), (std::vector<std::string>{"earlier", "one", "one"}));
    EXPECT_EQ(stats.shown, (ScanCounters{45, 2, 1}));
    EXPECT_EQ(stats.endings, 1);
    EXPECT_TRUE(stats.whole);
    EXPECT_EQ(status.text(StatusPanel::State), "Parsed page.htm");
    EXPECT_EQ(status.text(StatusPanel::Detail), "Links extracted: 2");
}

TEST_F(ParseHtmlRunTest, AnEmptyFileStillReportsZero) {
    EXPECT_TRUE(parse(folder.makeFile("empty.html", "")));
    EXPECT_EQ(links.count(), 0u);
    EXPECT_EQ(stats.shown, ScanCounters{});
    EXPECT_EQ(status.text(StatusPanel::State), "Parsed empty.html");
    EXPECT_EQ(status.text(StatusPanel::Detail), "Links extracted: 0");
}

TEST_F(ParseHtmlRunTest, ASourceThatCannotBeOpenedChangesNothing) {
    status.setText(StatusPanel::State, "before");
    const std::string missing = folder.file("missing.htm");
    const std::pair<std::string, std::string> rows[] = {
        {missing, missing + ": File not found"},
        {"", "File not found"},
        {folder.path(), folder.path() + ": File access denied"},
    };
    for (const auto& [path, second] : rows) {
        SCOPED_TRACE(path);
        prompts.expectFailure(FailureKind::Stated, "Error opening the HTML source file\n" + second);
        EXPECT_FALSE(parse(path)) << path;
    }
    EXPECT_EQ(links.count(), 0u);
    EXPECT_EQ(status.text(StatusPanel::State), "before");
    EXPECT_EQ(stats.endings, 0);
}

// Counts the list's notifications and checks, whenever counters are reported, that every
// link counted is already in the list.
struct Following final : LastCounters, LinkListObserver {
    explicit Following(LinkList& list) : links(list) { links.setObserver(this); }
    ~Following() override { links.setObserver(nullptr); }

    void progressed(const ScanCounters& counters) override {
        EXPECT_EQ(std::ssize(texts(links)), counters.linksFound);
        LastCounters::progressed(counters);
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

std::string manyLinks(std::size_t size) {
    std::string html;
    while (html.size() < size) {
        html += "<a href=\"" + std::to_string(html.size()) + "\">";
    }
    return html;
}

TEST_F(ParseHtmlRunTest, HandsLinksToTheListAPieceAtATime) {
    Following following(links);
    // Resolution holds the links back to the end of the page, where the address may stand.
    settings.resolvePageLinks = false;
    ASSERT_TRUE(
        parse(folder.makeFile("many.htm", manyLinks(3 * LinkScanner::kBufferSize)), following));
    EXPECT_GT(links.count(), 40'000u);
    EXPECT_EQ(links.textAt(1), "12");
    EXPECT_LE(following.appends, 4);
}

TEST_F(ParseHtmlRunTest, ResolvesTheLinksOfAPageThatNamesItsAddressAndSaysSo) {
    const std::string html = R"(<a href="../up.htm"><a href="http://other/x">)"
                             R"(<base href="http://site/dir/sub/"><a href="//host/y">)";
    ASSERT_TRUE(parse(folder.makeFile("p.htm", html)));
    EXPECT_EQ(texts(links), (std::vector<std::string>{"http://site/dir/up.htm", "http://other/x",
                                                      "http://site/dir/sub/", "http://host/y"}));
    EXPECT_EQ(status.text(StatusPanel::Detail),
              "Links resolved against the page's address: http://site/dir/sub/");
    for (std::size_t i = 0; i < links.count(); ++i) {
        EXPECT_EQ(links.originAt(i), "http://site/dir/sub/") << i;
    }

    settings.resolvePageLinks = false;
    links.clear();
    ASSERT_TRUE(parse(folder.file("p.htm")));
    EXPECT_EQ(links.textAt(0), "../up.htm");
    EXPECT_EQ(links.originAt(0), "");
    EXPECT_EQ(status.text(StatusPanel::Detail), "Links extracted: 4");
}

// Longer than the reader may run ahead of the list, so that its end is read only after the
// run's first slices.
std::string pastReadAhead(const std::string& tail) {
    return manyLinks(12 * LinkScanner::kBufferSize) + tail;
}

TEST_F(ParseHtmlRunTest, TheSettingsAreThoseOfTheStartWhateverOptionsDoesMeanwhile) {
    const auto run =
        start(folder.makeFile("long.htm", pastReadAhead(R"(<a href="#late">)")), stats);
    ASSERT_TRUE(run);
    settings.ignoreBookmarks = false;
    while (run->advance()) {
    }
    EXPECT_EQ(stats.shown.linksIgnored, 1);
}

// As when the window is closed during the run: what was read stays, and the run says it
// stopped.
TEST_F(ParseHtmlRunTest, ACancelledRunKeepsWhatItRead) {
    settings.resolvePageLinks = false;
    const std::string html = pastReadAhead("");
    const auto run = start(folder.makeFile("long.htm", html), stats);
    ASSERT_TRUE(run);
    while (stats.shown.characters == 0) {
        ASSERT_TRUE(run->advance());
    }
    run->cancel();
    while (run->advance()) {
    }
    EXPECT_EQ(stats.endings, 1);
    EXPECT_FALSE(stats.whole);
    EXPECT_LT(stats.shown.characters, std::ssize(html));
    EXPECT_EQ(std::ssize(texts(links)), stats.shown.linksFound);
    EXPECT_EQ(status.text(StatusPanel::State), "Stopped long.htm");
}

TEST(ParseHtmlFile, ReportsTheSystemErrorNumberTheFileAndTheReason) {
    test::TempFolder folder;
    const std::string gone = folder.file("gone.htm");
    EXPECT_EQ(ParseHTMLFileError(gone, ENOENT),
              "Error opening the HTML source file 2\n" + gone + ": File not found");
    EXPECT_EQ(ParseHTMLFileError(gone, platform::IoError::kNotRegularFile),
              "Error opening the HTML source file\n" + gone + ": Not a regular file");
}

} // namespace
} // namespace harvex2::core
