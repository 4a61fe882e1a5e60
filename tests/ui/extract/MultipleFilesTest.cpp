#include "ExtractWindowsFixture.h"

#include <cerrno>
#include <utility>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;

template <class T> T* in(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1StringView(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QWidget& window, const char* name) {
    QTest::mouseClick(in<QAbstractButton>(&window, name), Qt::LeftButton);
}

// What the prompt showed for one file.
struct Asked {
    QString label;
    QString toolTip;
    QString preset;
    bool operator==(const Asked&) const = default;
};

class MultipleFilesTest : public ExtractWindowsFixture {
protected:
    // Starts the setup dialog on `paths` as a drop of several files does; `onSetup` acts on
    // it before Start is pressed, and each prompt gets the next of `answers`.
    void runWith(const std::vector<std::string>& paths,
                 const std::function<void(QWidget&)>& onSetup = {},
                 const std::vector<std::string>& answers = {}) {
        script.then("TForm10", [onSetup](QWidget& dialog) {
            if (onSetup) {
                onSetup(dialog);
            }
            click(dialog, "Button1");
        });
        for (const std::string& answer : answers) {
            answerPrompt(answer);
        }
        setup->parseFiles(paths);
        EXPECT_TRUE(script.done());
    }
    // Answers the next prompt with `answer` and notes what it showed.
    void answerPrompt(std::string answer) {
        script.then("TForm12", [this, answer = std::move(answer)](QWidget& shown) {
            auto* edit = in<QLineEdit>(&shown, "Edit1");
            const auto* name = in<QLabel>(&shown, "lblFileName");
            asked.push_back({name->text(), name->toolTip(), edit->text()});
            focusInEdit = focusInEdit && shown.focusWidget() == edit;
            // There is no way out but OK.
            QTest::keyClick(&shown, Qt::Key_Escape);
            stayedOpen = stayedOpen && shown.isVisible();
            edit->setText(QString::fromStdString(answer));
            click(shown, "Button1");
        });
    }
    QString text(QWidget* shown, const char* name) const {
        if (auto* button = shown->findChild<QAbstractButton*>(QLatin1StringView(name))) {
            return button->text();
        }
        return in<QLabel>(shown, name)->text();
    }
    QLineEdit* base() const { return in<QLineEdit>(setup, "txtBase"); }

    std::vector<Asked> asked;
    bool focusInEdit = true;
    bool stayedOpen = true;
};

TEST_F(MultipleFilesTest, TheWindowsLookAsDesigned) {
    EXPECT_EQ(setup->objectName(), u"TForm10"_s);
    EXPECT_EQ(setup->windowTitle(), u"Parse Multiple Files"_s);
    EXPECT_EQ(setup->size(), QSize(544, 296));
    EXPECT_FALSE(setup->windowFlags() & Qt::WindowSystemMenuHint);
    const std::pair<const char*, QString> texts[] = {
        {"RadioButton1", u"Use one Base URL for each file"_s},
        {"Label1", u"Base URL:"_s},
        {"RadioButton2", u"Specify a Base URL for each file"_s},
        {"Label3", u"You will be prompted for the infomation at the start of each file."_s},
        {"Button1", u"&Start"_s},
        {"Button2", u"Cancel"_s},
    };
    for (const auto& [name, expected] : texts) {
        EXPECT_EQ(text(setup, name), expected) << name;
    }
    EXPECT_TRUE(in<QRadioButton>(setup, "RadioButton1")->isChecked());
    EXPECT_TRUE(in<QRadioButton>(setup, "RadioButton1")->font().bold());
    EXPECT_TRUE(in<QRadioButton>(setup, "RadioButton2")->font().bold());
    EXPECT_EQ(base()->text(), u"http://"_s);
    EXPECT_TRUE(in<QPushButton>(setup, "Button1")->isDefault());

    EXPECT_EQ(progress->objectName(), u"TForm11"_s);
    EXPECT_EQ(progress->windowTitle(), u"Parsing Multiple Files..."_s);
    EXPECT_TRUE(progress->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(in<QTimer>(progress, "Timer1")->interval(), 1000);
    EXPECT_EQ(text(progress, "lblStep1"), u"Reading links"_s);
    EXPECT_EQ(text(progress, "lblStep2"), u"Resolving URLs"_s);
    EXPECT_EQ(text(progress, "lblStep3"), u"Add links to list"_s);

    EXPECT_EQ(prompt->objectName(), u"TForm12"_s);
    EXPECT_EQ(prompt->windowTitle(), u"Enter base URL"_s);
    EXPECT_EQ(prompt->size(), QSize(387, 86));
    EXPECT_EQ(text(prompt, "Label1"), u"Please enter the Base URL to use with the file"_s);
    EXPECT_EQ(text(prompt, "Button1"), u"OK"_s);
}

TEST_F(MultipleFilesTest, TheMethodEnablesTheBaseField) {
    setup->show();
    click(*setup, "RadioButton2");
    EXPECT_FALSE(base()->isEnabled());
    EXPECT_FALSE(in<QLabel>(setup, "Label1")->isEnabled());
    click(*setup, "RadioButton1");
    EXPECT_TRUE(base()->isEnabled());
    EXPECT_TRUE(in<QLabel>(setup, "Label1")->isEnabled());
    setup->hide();
}

TEST_F(MultipleFilesTest, RemoveTakesTheSelectedPathsOutOfTheList) {
    std::vector<std::string> left;
    script.then("TForm10", [&](QWidget& dialog) {
        auto* list = in<QListWidget>(&dialog, "ListBox1");
        list->item(0)->setSelected(true);
        list->item(2)->setSelected(true);
        in<QAction>(list, "Remove1")->trigger();
        left = setup->files();
        click(dialog, "Button2");
    });
    setup->parseFiles({"/a/one.htm", "/a/two.htm", "/a/three.htm"});
    EXPECT_EQ(left, std::vector<std::string>{"/a/two.htm"});
    EXPECT_EQ(in<QAction>(setup, "Remove1")->text(), u"Remove"_s);
    // Closing does nothing else.
    EXPECT_TRUE(links().empty());
    EXPECT_EQ(text(setup, "Button2"), u"Cancel"_s);
}

TEST_F(MultipleFilesTest, OneBaseServesEveryFile) {
    services.links->append("before");
    const std::string first = page("first.htm", R"(<a href="/a.zip"><a href="http://x/b">)");
    const std::string second = page("second.html", R"(<a href="c.zip"><a href="#d">)");
    runWith({first, second},
            [](QWidget& dialog) { in<QLineEdit>(&dialog, "txtBase")->setText(u"http://h/"_s); });
    EXPECT_EQ(links(), (std::vector<std::string>{"before", "http://h/a.zip", "http://x/b",
                                                 "http://h/c.zip"}));
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(text(setup, "Button2"), u"Close"_s);
    // "Done" for a moment, then the timer hides the window.
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(text(progress, "Label1"), u""_s);
    EXPECT_EQ(text(progress, "lblFileName"), u"Done"_s);
    EXPECT_EQ(in<QProgressBar>(progress, "ProgressBar1")->value(), 2);
    EXPECT_EQ(in<QProgressBar>(progress, "ProgressBar1")->minimum(), 1);
    EXPECT_TRUE(in<QTimer>(progress, "Timer1")->isActive());
    EXPECT_EQ(base()->text(), u"http://h/"_s);
    progress->hide();
}

TEST_F(MultipleFilesTest, EachFileIsAskedForItsBaseWithItsNameCut) {
    const std::string longName = page("twenty-five-chars-xx.html", R"(<a href="l">)");
    const std::string twenty = page("exactly-twenty-c.htm", R"(<a href="t">)");
    const std::string missing = env.folder() + "/gone.htm";
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "Error opening the HTML source file 2\n" + missing +
                                  ": File not found",
                              {MessageButton::Ok}, MessageButton::Ok);
    runWith({longName, twenty, missing}, [](QWidget& dialog) { click(dialog, "RadioButton2"); },
            {"http://long/", "http://twenty/", "http://gone/"});
    EXPECT_EQ(links(), (std::vector<std::string>{"http://long/l", "http://twenty/t"}));
    EXPECT_EQ(asked,
              (std::vector<Asked>{
                  {u"twenty-five-chars-x..."_s, u"twenty-five-chars-xx.html"_s, u"http://"_s},
                  {u"exactly-twenty-c.htm"_s, u"exactly-twenty-c.htm"_s, u"http://"_s},
                  {u"gone.htm"_s, u"gone.htm"_s, u"http://"_s}}));
    EXPECT_TRUE(focusInEdit);
    EXPECT_TRUE(stayedOpen);
    // The last answer stays in the base field for the next run.
    EXPECT_EQ(base()->text(), u"http://gone/"_s);
    progress->hide();
}

TEST_F(MultipleFilesTest, AnEmptyBaseStopsTheRunAfterTheFilesDoneBefore) {
    const std::string absolute = page("abs.htm", R"(<a href="http://a/1">)");
    const std::string relative = page("rel.htm", R"(<a href="http://a/2"><a href="three">)");
    const std::string third = page("third.htm", R"(<a href="http://a/4">)");
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "Error: one or more links require a Base URL", {MessageButton::Ok},
                              MessageButton::Ok);
    runWith({absolute, relative, third},
            [](QWidget& dialog) { in<QLineEdit>(&dialog, "txtBase")->clear(); });
    EXPECT_EQ(links(), std::vector<std::string>{"http://a/1"});
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(in<QProgressBar>(progress, "ProgressBar1")->value(), 1);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(text(setup, "Button2"), u"Close"_s);
}

TEST_F(MultipleFilesTest, InDeveloperModeTheProgressGoesAtOnce) {
    services.developerMode = true;
    createWindows();
    runWith({page("one.htm", R"(<a href="http://x/">)")});
    EXPECT_EQ(links(), std::vector<std::string>{"http://x/"});
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(text(progress, "lblFileName"), u"Done"_s);
}

TEST_F(MultipleFilesTest, TheProgressWindowShowsOneStepInBoldAndHidesAfterItsDelay) {
    ui::MultipleProgressWindow shown(std::chrono::milliseconds(20));
    shown.prepare(3);
    EXPECT_TRUE(shown.isVisible());
    const std::pair<core::MultipleStep, const char*> steps[] = {
        {core::MultipleStep::ReadingLinks, "lblStep1"},
        {core::MultipleStep::ResolvingUrls, "lblStep2"},
        {core::MultipleStep::AddLinks, "lblStep3"},
        {core::MultipleStep::None, nullptr},
    };
    for (const auto& [step, boldName] : steps) {
        SCOPED_TRACE(static_cast<int>(step));
        shown.showStep(step);
        for (const char* name : {"lblStep1", "lblStep2", "lblStep3"}) {
            EXPECT_EQ(in<QLabel>(&shown, name)->font().bold(),
                      boldName && std::string(boldName) == name)
                << name;
        }
    }
    shown.showFile("/some/folder/page.htm");
    EXPECT_EQ(in<QLabel>(&shown, "lblFileName")->toolTip(), u"/some/folder/page.htm"_s);
    // A run started while the last one still shows "Done" keeps its window.
    shown.showDone();
    shown.prepare(2);
    QTest::qWait(60);
    EXPECT_TRUE(shown.isVisible());
    shown.showDone();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.isVisible(); }, 2000));
    EXPECT_FALSE(in<QTimer>(&shown, "Timer1")->isActive());
}

} // namespace
} // namespace harvex2::test
