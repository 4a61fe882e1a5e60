#include "core/shell/SettingsStorage.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/shell/MainStatusBar.h"

#include <filesystem>

#include <QComboBox>
#include <QLocale>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using platform::MessageButton;
using platform::MessageIcon;
using platform::StatusPanel;
using test::MainWindowFixture;

const std::string kRoot = core::kHarvexRootKey;

class MainWindowSettingsTest : public MainWindowFixture {
protected:
    void SetUp() override {}

    void storeInteger(const std::string& key, const std::string& name, std::int32_t value) {
        ASSERT_TRUE(env.userFileStore.openKey(kRoot + key, true));
        env.userFileStore.writeInteger(name, value);
    }
    void storeString(const std::string& key, const std::string& name, const std::string& value) {
        ASSERT_TRUE(env.userFileStore.openKey(kRoot + key, true));
        env.userFileStore.writeString(name, value);
    }
    QStringList items(const QComboBox* box) const {
        QStringList result;
        for (int i = 0; i < box->count(); ++i) {
            result << box->itemText(i);
        }
        return result;
    }
};

TEST_F(MainWindowSettingsTest, FreshStoreGivesTheGreetingVersionAndDefaultTarget) {
    QLocale::setDefault(QLocale::c());
    start();
    EXPECT_EQ(window->panels().text(StatusPanel::State), "Welcome to Harvex");
    EXPECT_EQ(window->panels().text(StatusPanel::Detail), "v1.42");
    EXPECT_EQ(window->panels().text(StatusPanel::Target), "NetVampire");
    EXPECT_EQ(window->outerRect(), core::WindowRect{});
}

TEST_F(MainWindowSettingsTest, VersionFollowsTheUsersDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    start();
    EXPECT_EQ(window->panels().text(StatusPanel::Detail), "v1,42");
    window->close();
    ASSERT_TRUE(env.userFileStore.openKey(kRoot, false));
    EXPECT_EQ(env.userFileStore.readString("LastRunVersion"), "1,42");
    QLocale::setDefault(QLocale::c());
}

struct TargetCase {
    int mode;
    const char* shown;
};

void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << "Mode " << c.mode;
}

class TargetPanelTest : public MainWindowSettingsTest,
                        public testing::WithParamInterface<TargetCase> {};

TEST_P(TargetPanelTest, NamesTheTargetProgramOfTheStoredMode) {
    for (const char* name : {"IgnoreMailTo", "IgnoreBookmarks", "QLinks", "Files"}) {
        storeInteger("\\Settings", name, 1);
    }
    storeInteger("\\Settings", "Mode", GetParam().mode);
    start();
    EXPECT_EQ(window->panels().text(StatusPanel::Target), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Modes, TargetPanelTest,
                         testing::Values(TargetCase{0, "NetVampire"}, TargetCase{1, "ReGet"},
                                         TargetCase{2, "NetVampire 3"}, TargetCase{3, "aria2"},
                                         TargetCase{4, "Command"}, TargetCase{9, ""},
                                         TargetCase{-1, ""}));

TEST_F(MainWindowSettingsTest, HistoriesFillTheBoxesButLeaveTheirTextsEmpty) {
    storeInteger("\\MRU\\Main\\BaseURL", "MRUSize", 2);
    storeString("\\MRU\\Main\\BaseURL", "1", "http://b/");
    storeString("\\MRU\\Main\\BaseURL", "2", "http://a/");
    storeInteger("\\MRU\\Main\\Dir", "MRUSize", 1);
    storeString("\\MRU\\Main\\Dir", "1", "/d\xc3\xa9p\xc3\xb4t");
    start();
    EXPECT_EQ(items(window->baseUrlBox()), (QStringList{u"http://b/"_s, u"http://a/"_s}));
    EXPECT_EQ(items(window->directoryBox()), QStringList{u"/d\u00e9p\u00f4t"_s});
    EXPECT_EQ(window->baseUrlBox()->currentText(), u"");
    EXPECT_EQ(window->directoryBox()->currentText(), u"");
}

TEST_F(MainWindowSettingsTest, ClosingSavesOnceAndARestartFindsTheWindowWhereItWas) {
    start();
    const core::WindowRect moved{40, 50, 500, 460};
    window->applyOuterRect(moved);
    window->settings().files = 17;
    QSignalSpy closed(window.get(), &MainWindow::closed);
    window->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(env.userStore.writesOf("LastRunVersion"), 1);

    restart();
    EXPECT_EQ(window->outerRect(), moved);
    EXPECT_EQ(window->settings().files, 17);
}

TEST_F(MainWindowSettingsTest, IgnoringTrackingParametersIsKeptForTheNextStart) {
    const auto ignoreTracking = [this] {
        for (QAction* item : window->findChildren<QAction*>()) {
            if (item->text() == u"Ignore &Tracking Parameters"_s) {
                return item;
            }
        }
        ADD_FAILURE() << "no Ignore Tracking Parameters item";
        return static_cast<QAction*>(nullptr);
    };
    start();
    ASSERT_FALSE(ignoreTracking()->isChecked());
    ignoreTracking()->trigger();
    restart();
    EXPECT_TRUE(ignoreTracking()->isChecked());
}

TEST_F(MainWindowSettingsTest, ExitSavesOnceThoughTheClosingPathFollows) {
    start();
    QSignalSpy closed(window.get(), &MainWindow::closed);
    action("Exit1")->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(env.userStore.writesOf("LastRunVersion"), 1);
    EXPECT_EQ(env.userStore.writesOf("Left"), 1);
}

TEST_F(MainWindowSettingsTest, WithRememberOffTheWindowKeepsItsDesignPlace) {
    start();
    window->settings().remember = false;
    window->applyOuterRect({40, 50, 500, 460});
    restart();
    EXPECT_FALSE(window->settings().remember);
    EXPECT_EQ(window->outerRect(), core::WindowRect{});
}

TEST_F(MainWindowSettingsTest, AStoreThatCannotBeWrittenIsReportedAndTheProgramStillEnds) {
    start();
    env.userStore.failWrites(true);
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "Failed to set data for 'LastRunVersion'.", {MessageButton::Ok},
                              MessageButton::Ok);
    QSignalSpy closed(window.get(), &MainWindow::closed);
    action("Exit1")->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

// A folder in place of the file: the save stops at its first key.
TEST_F(MainWindowSettingsTest, AFailedSaveTellsWhichFileAndWhy) {
    std::filesystem::create_directory(env.userFile());
    start();
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "Failed to set data for '" + kRoot + "'.\n" + env.userFile() +
                                  ": Is a directory.",
                              {MessageButton::Ok}, MessageButton::Ok);
    window->close();
    EXPECT_TRUE(env.prompts.allAnswered());
}

} // namespace
} // namespace harvex2::ui
