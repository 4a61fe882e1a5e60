#include "core/extract/MultipleParse.h"

#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using platform::FailureKind;
using platform::MessageButton;
using platform::MessageIcon;

// Writes down what the run shows, and answers the prompt from a list.
struct RecordingView final : MultipleParseView {
    std::vector<std::string> events;
    std::string base;
    std::deque<std::string> answers;

    void runStarted() override { events.push_back("start"); }
    void fileStarted(const std::string& path) override {
        events.push_back("file " + path.substr(path.rfind('/') + 1));
    }
    void showStep(MultipleStep step) override {
        const char* names[] = {"-", "reading", "resolving", "adding"};
        events.push_back(names[static_cast<int>(step)]);
    }
    void fileFinished(std::size_t done) override {
        events.push_back("done " + std::to_string(done));
    }
    void runFinished() override { events.push_back("finished"); }
    void runStopped() override { events.push_back("stopped"); }
    void askBaseUrl(const std::string& path, std::function<void()> answered) override {
        events.push_back("ask " + path.substr(path.rfind('/') + 1));
        base = answers.front();
        answers.pop_front();
        answered();
    }
    std::string baseUrl() override { return base; }
};

class MultipleParseRun : public testing::Test {
protected:
    std::string page(const std::string& name, const std::string& html) {
        return folder.makeFile(name, html);
    }
    bool run(const std::vector<std::string>& files, BaseUrlMethod method) {
        MultipleParse parse(settings, links, prompts, view, files, method);
        bool goesOn = true;
        while (goesOn) {
            const auto slices = parse.slices();
            while (slices->advance()) {
            }
            goesOn = false;
            parse.ask([&goesOn](bool on) { goesOn = on; });
        }
        return parse.completed();
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (std::size_t i = 0; i < links.count(); ++i) {
            EXPECT_FALSE(links.checkedAt(i));
            all.emplace_back(links.textAt(i));
        }
        return all;
    }

    test::TempFolder folder;
    SettingsRecord settings;
    LinkList links;
    test::ScriptedPrompts prompts;
    RecordingView view;
};

TEST_F(MultipleParseRun, OneBaseResolvesEveryFilesRelativeLinks) {
    links.append("before");
    view.base = "http://";
    const std::string first = page("first.htm", R"(<a href="name.zip"><a href="#top">)");
    const std::string second =
        page("second.htm", R"(<a href="ftp://host/f"><a href="/x"><a href="https://s/y">)");
    EXPECT_TRUE(run({first, second}, BaseUrlMethod::OneForAll));
    // The switches apply; absolute links stay as they are; "http://" meets "/x" as written.
    EXPECT_EQ(texts(), (std::vector<std::string>{"before", "http://name.zip", "ftp://host/f",
                                                 "http://x", "https://s/y"}));
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"start", "file first.htm", "reading", "resolving", "adding",
                                        "-", "done 1", "file second.htm", "reading", "resolving",
                                        "adding", "-", "done 2", "finished"}));
}

TEST_F(MultipleParseRun, ABaseEndingInASlashMeetsLinksStartingWithOne) {
    view.base = "http://host/dir/";
    settings.ignoreBookmarks = false;
    const std::string file = page("p.html", R"(<a href="/a"><a href="b"><a href="#c">)");
    EXPECT_TRUE(run({file}, BaseUrlMethod::OneForAll));
    EXPECT_EQ(texts(), (std::vector<std::string>{"http://host/dir/a", "http://host/dir/b",
                                                 "http://host/dir/#c"}));
}

TEST_F(MultipleParseRun, EachFileIsAskedForItsOwnBase) {
    view.answers = {"http://one/", "", "http://three/"};
    const std::string one = page("one.htm", R"(<a href="a">)");
    const std::string missing = folder.file("missing.htm");
    const std::string three = page("three.htm", R"(<a href="c"><a href="http://abs/">)");
    prompts.expectMessage(MessageIcon::Error, "Harvex2",
                          "Error opening the HTML source file 2\n" + missing + ": File not found",
                          {MessageButton::Ok}, MessageButton::Ok);
    EXPECT_TRUE(run({one, missing, three}, BaseUrlMethod::EachFile));
    // A file that could not be read is still asked for, and an empty answer harms no one
    // when nothing needs it.
    EXPECT_EQ(texts(), (std::vector<std::string>{"http://one/a", "http://three/c", "http://abs/"}));
    EXPECT_EQ(view.base, "http://three/");
    const std::vector<std::string> asked{"ask one.htm", "ask missing.htm", "ask three.htm"};
    std::vector<std::string> seen;
    for (const std::string& event : view.events) {
        if (event.starts_with("ask ")) {
            seen.push_back(event);
        }
    }
    EXPECT_EQ(seen, asked);
}

TEST_F(MultipleParseRun, TheSecondOpenErrorOffersToSkipTheRemainingOnes) {
    view.base = "http://b/";
    std::vector<std::string> files;
    for (const char* name : {"1.htm", "2.htm", "3.htm"}) {
        files.push_back(folder.file(name));
    }
    files.push_back(page("good.htm", R"(<a href="g">)"));
    files.push_back(folder.file("5.htm"));
    const auto box = [&](std::size_t i) {
        return "Error opening the HTML source file 2\n" + files[i] + ": File not found";
    };
    prompts.expectMessage(MessageIcon::Error, "Harvex2", box(0), {MessageButton::Ok},
                          MessageButton::Ok);
    prompts.expectMessage(MessageIcon::Error, "Harvex2", box(1),
                          {MessageButton::Ok, MessageButton::SkipRemainingErrors},
                          MessageButton::SkipRemainingErrors);
    EXPECT_TRUE(run(files, BaseUrlMethod::OneForAll));
    EXPECT_EQ(texts(), std::vector<std::string>{"http://b/g"});

    // The next run asks afresh.
    prompts.expectMessage(MessageIcon::Error, "Harvex2", box(0), {MessageButton::Ok},
                          MessageButton::Ok);
    EXPECT_TRUE(run({files[0]}, BaseUrlMethod::OneForAll));
}

TEST_F(MultipleParseRun, AFileThatNamesItsAddressIsNotAskedForABase) {
    view.answers = {"http://asked/"};
    const std::string named =
        page("named.htm", "<!-- saved from url=(0016)http://site/a/b/ -->\n<a href=\"../c\">");
    const std::string plain = page("plain.htm", R"(<a href="d">)");
    EXPECT_TRUE(run({named, plain}, BaseUrlMethod::EachFile));
    EXPECT_EQ(texts(), (std::vector<std::string>{"http://site/a/c", "http://asked/d"}));
    EXPECT_EQ(links.originAt(0), "http://site/a/b/");
    EXPECT_EQ(links.originAt(1), "");
    EXPECT_TRUE(view.answers.empty());
}

TEST_F(MultipleParseRun, AnEmptyBaseStopsAtTheFirstFileThatNeedsOne) {
    links.append("before");
    const std::string absolute = page("abs.htm", R"(<a href="http://a/1"><a href="ftp://b/2">)");
    const std::string relative = page("rel.htm", R"(<a href="http://a/3"><a href="four">)");
    const std::string third = page("third.htm", R"(<a href="http://a/5">)");
    prompts.expectFailure(FailureKind::Stated, "Error: one or more links require a Base URL");
    EXPECT_FALSE(run({absolute, relative, third}, BaseUrlMethod::OneForAll));
    EXPECT_EQ(texts(), (std::vector<std::string>{"before", "http://a/1", "ftp://b/2"}));
    EXPECT_EQ(view.events.back(), "stopped");
    for (const std::string& event : view.events) {
        EXPECT_NE(event, "file third.htm");
        EXPECT_NE(event, "done 2");
    }
}

TEST_F(MultipleParseRun, TheRunGoesOnAfterAnEmptyAnswerOnlyWhereNothingIsRelative) {
    view.answers = {"", ""};
    const std::string absolute = page("abs.htm", R"(<a href="http://a/1">)");
    const std::string relative = page("rel.htm", R"(<a href="r">)");
    prompts.expectFailure(FailureKind::Stated, "Error: one or more links require a Base URL");
    EXPECT_FALSE(run({absolute, relative}, BaseUrlMethod::EachFile));
    EXPECT_EQ(texts(), std::vector<std::string>{"http://a/1"});
}

// As when the setup dialog is closed during the run: the files done before stay, the one
// being read adds nothing.
TEST_F(MultipleParseRun, ACancelledRunKeepsTheFilesDoneBefore) {
    view.base = "http://b/";
    const std::vector<std::string> files{page("first.htm", R"(<a href="1">)"),
                                         page("second.htm", R"(<a href="2">)")};
    MultipleParse parse(settings, links, prompts, view, files, BaseUrlMethod::OneForAll);
    const auto slices = parse.slices();
    while (std::find(view.events.begin(), view.events.end(), "file second.htm") ==
           view.events.end()) {
        ASSERT_TRUE(slices->advance());
    }
    slices->cancel();
    EXPECT_FALSE(slices->advance());
    bool goesOn = true;
    parse.ask([&goesOn](bool on) { goesOn = on; });
    EXPECT_FALSE(goesOn);
    EXPECT_FALSE(parse.completed());
    EXPECT_EQ(texts(), std::vector<std::string>{"http://b/1"});
    EXPECT_EQ(view.events.back(), "stopped");
}

} // namespace
} // namespace harvex2::core
