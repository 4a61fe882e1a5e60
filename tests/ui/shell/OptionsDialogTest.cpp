#include "ui/shell/OptionsDialog.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/rules/RulePresets.h"
#include "core/shell/SettingsStorage.h"
#include "support/core/TempFolder.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/HandoffWindows.h"
#include "ui/handoff/StatePictures.h"
#include "ui/handoff/TargetRegistry.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/NamesGroup.h"
#include "ui/shell/NetVampireGroup.h"
#include "ui/shell/OptionsFactory.h"
#include "ui/shell/OptionsNames.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using platform::StatusPanel;
using namespace Qt::StringLiterals;
using Names = ui::OptionsNames;
using Target = core::TargetProgram;

const char* radioOf(Target mode) {
    return ui::TargetRegistry::find(mode)->radioName;
}

constexpr ui::WindowEntry kWindows[] = {
    {ui::WindowSlot::Adding, "Adding ", ui::SplashLine::First, &ui::makeAddingWindow},
    {ui::WindowSlot::Options, "Options ", ui::SplashLine::First, &ui::makeOptionsDialog},
    {ui::WindowSlot::Connecting, "Connecting ", ui::SplashLine::First, &ui::makePleaseWaitWindow},
};

// The main window with the Options dialog and the hand-off windows made as at start-up.
// Each test opens the dialog through the main window's command and works it while it runs
// modally.
class OptionsDialogTest : public MainWindowFixture {
protected:
    void SetUp() override { startProgram(false); }

    void startProgram(bool developerMode) {
        catalog = std::make_unique<ui::WindowCatalog>(kWindows);
        start();
        services.developerMode = developerMode;
        for (const ui::WindowEntry& entry : catalog->entries()) {
            catalog->create(entry, services);
        }
    }

    ui::OptionsDialog* dialog() const {
        return static_cast<ui::OptionsDialog*>(catalog->window(ui::WindowSlot::Options));
    }

    template <class T> T* control(const char* name) const {
        T* found = dialog()->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Runs the Options command; `work` runs while the dialog is up and must close it.
    void withOptions(const std::function<void()>& work) {
        bool ran = false;
        QTimer::singleShot(0, dialog(), [&] {
            ran = true;
            work();
            if (dialog()->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog()->reject();
            }
        });
        action("Options1")->trigger();
        EXPECT_TRUE(ran);
    }

    void showTab(int index) {
        QTabBar* bar = control<QTabWidget>(Names::kPages)->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    void click(const char* name) {
        auto* button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void pressKey(Qt::Key key) { QTest::keyClick(dialog(), key); }

    bool checked(const char* name) const { return control<QAbstractButton>(name)->isChecked(); }

    QString jobState() const { return control<QComboBox>(Names::kJobState)->currentText(); }

    // Opens the aria2 endpoints from the aria2 group; `work` fills it in, and OK closes it.
    void withEndpoints(const std::function<void(QDialog&)>& work) {
        click(Names::kAria2EditEndpoints);
        // One closed before may wait for its deletion.
        QDialog* endpoints = nullptr;
        for (QDialog* shown :
             dialog()->findChildren<QDialog*>(QLatin1StringView(Names::kAria2Endpoints))) {
            endpoints = shown->isVisible() ? shown : endpoints;
        }
        ASSERT_NE(endpoints, nullptr);
        work(*endpoints);
        endpoints->accept();
    }

    bool netVampireGroupShown() const {
        return control<QGroupBox>(Names::kNetVampireGroup)->isVisible();
    }
};

TEST_F(OptionsDialogTest, FirstOpeningWithAnEmptyStoreShowsTheDefaults) {
    withOptions([this] {
        EXPECT_EQ(dialog()->windowTitle(), u"Options");
        EXPECT_EQ(control<QTabWidget>(Names::kPages)->currentIndex(), 0);
        for (const char* box : {Names::kIgnoreMailTo, Names::kIgnoreQuery, Names::kIgnoreBookmarks,
                                Names::kRemember, Names::kCloseSequence}) {
            SCOPED_TRACE(box);
            EXPECT_TRUE(checked(box)) << box;
        }
        EXPECT_FALSE(control<QGroupBox>(Names::kRelativeGroup)->isEnabled());
        EXPECT_TRUE(checked(Names::kIgnoreRelative));
        showTab(1);
        EXPECT_TRUE(checked(radioOf(Target::NetVampire)));
        EXPECT_TRUE(netVampireGroupShown());
        EXPECT_TRUE(checked(Names::kNoTidy));
        EXPECT_TRUE(checked(Names::kJobFiles));
        // Job files were selected already, so their reaction did not run.
        EXPECT_TRUE(control<QRadioButton>(Names::kTidyAdded)->isEnabled());
        EXPECT_EQ(jobState(), u"Stopped");
        EXPECT_FALSE(checked(Names::kRealiFast));
        EXPECT_FALSE(control<QLabel>(Names::kDeveloperMode)->isVisible());
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, CaptionsAndTooltipsReadAsDesigned) {
    withOptions([this] {
        EXPECT_EQ(control<QAbstractButton>(Names::kJobFiles)->text(), u"Job files (recommened)");
        EXPECT_EQ(control<QAbstractButton>(Names::kIgnoreBookmarks)->toolTip(),
                  u"...like '#top' or 'file.htm#links'");
        EXPECT_TRUE(
            control<QAbstractButton>(Names::kIgnoreMailTo)->toolTip().startsWith(u"...like '"));
        EXPECT_EQ(control<QAbstractButton>(radioOf(Target::NetVampire))->toolTip(),
                  u"Attempt to connect to NetVampire (version 2.41+ only)");
        EXPECT_EQ(control<QAbstractButton>(radioOf(Target::ReGet))->toolTip(),
                  u"Attempt to connect to ReGet");
        const QStringList items{u"Stopped"_s, u"Queued"_s, u"Failed (dumb)"_s};
        auto* box = control<QComboBox>(Names::kJobState);
        EXPECT_FALSE(box->isEditable());
        for (int i = 0; i < items.size(); ++i) {
            EXPECT_EQ(box->itemText(i), items[i]);
        }
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, ProgramRadiosShowAndHideTheNetVampireGroup) {
    withOptions([this] {
        showTab(1);
        click(radioOf(Target::ReGet));
        EXPECT_FALSE(netVampireGroupShown());
        click(radioOf(Target::NetVampire3));
        EXPECT_TRUE(netVampireGroupShown());
        click(radioOf(Target::ReGet));
        pressKey(Qt::Key_Return);
    });
    EXPECT_EQ(window->settings().mode, core::TargetProgram::ReGet);
    // The next opening starts from the ReGet choice without the group.
    withOptions([this] {
        showTab(1);
        EXPECT_TRUE(checked(radioOf(Target::ReGet)));
        EXPECT_FALSE(netVampireGroupShown());
        pressKey(Qt::Key_Escape);
    });
}

// Choosing a target shows its own settings below; nothing above them moves away from the
// pointer that chose it.
TEST_F(OptionsDialogTest, TheRadiosStayInPlaceWhicheverTargetIsChosen) {
    const char* radios[] = {radioOf(Target::NetVampire),
                            radioOf(Target::NetVampire3),
                            radioOf(Target::ReGet),
                            radioOf(Target::Aria2),
                            Names::kNoTidy,
                            Names::kTidyAdded,
                            Names::kTidyAll};
    const auto places = [&] {
        std::vector<QRect> rects;
        for (const char* name : radios) {
            auto* radio = control<QRadioButton>(name);
            rects.emplace_back(radio->mapTo(dialog(), QPoint(0, 0)), radio->size());
        }
        return rects;
    };
    withOptions([&] {
        showTab(1);
        const std::vector<QRect> first = places();
        for (const char* target : {radioOf(Target::Aria2), radioOf(Target::ReGet),
                                   radioOf(Target::NetVampire3), radioOf(Target::NetVampire)}) {
            SCOPED_TRACE(target);
            click(target);
            EXPECT_EQ(places(), first);
        }
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, JobFilesDisableKeepingAddedEntriesAndFallBackToDontTidy) {
    withOptions([this] {
        showTab(1);
        click(Names::kDde);
        click(Names::kTidyAdded);
        click(Names::kJobFiles);
        EXPECT_TRUE(checked(Names::kNoTidy));
        EXPECT_FALSE(control<QRadioButton>(Names::kTidyAdded)->isEnabled());
        click(Names::kDde);
        EXPECT_TRUE(control<QRadioButton>(Names::kTidyAdded)->isEnabled());
        EXPECT_TRUE(checked(Names::kNoTidy));
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, OpeningSetsTheTidyUpBeforeTheChannelSoJobFilesUndoIt) {
    core::SettingsRecord& settings = window->settings();
    settings.nvdde = true;
    settings.tidyUp = 1;
    withOptions([this] {
        EXPECT_TRUE(checked(Names::kDde));
        EXPECT_TRUE(checked(Names::kTidyAdded));
        pressKey(Qt::Key_Escape);
    });
    settings.nvdde = false;
    withOptions([this] {
        EXPECT_TRUE(checked(Names::kJobFiles));
        EXPECT_TRUE(checked(Names::kNoTidy));
        EXPECT_FALSE(control<QRadioButton>(Names::kTidyAdded)->isEnabled());
        pressKey(Qt::Key_Return);
    });
    EXPECT_EQ(settings.tidyUp, 0);
}

TEST_F(OptionsDialogTest, CancelAfterChangingEverythingLeavesTheRecordAndTheNextOpeningShowsIt) {
    const core::SettingsRecord before = window->settings();
    withOptions([this] {
        for (const char* box :
             {Names::kIgnoreMailTo, Names::kIgnoreQuery, Names::kIgnoreBookmarks}) {
            click(box);
        }
        showTab(1);
        for (const char* radio :
             {radioOf(Target::NetVampire3), Names::kTidyAll, Names::kDde, Names::kRealiFast}) {
            click(radio);
        }
        control<QComboBox>(Names::kJobState)->setFocus();
        QTest::keyClick(control<QComboBox>(Names::kJobState), Qt::Key_Down);
        EXPECT_EQ(jobState(), u"Queued");
        showTab(2);
        click(Names::kRemember);
        click(Names::kCloseSequence);
        click(Names::kCancel);
    });
    EXPECT_EQ(window->settings(), before);
    withOptions([this] {
        EXPECT_TRUE(checked(Names::kIgnoreMailTo));
        EXPECT_TRUE(checked(radioOf(Target::NetVampire)));
        EXPECT_TRUE(checked(Names::kNoTidy));
        EXPECT_TRUE(checked(Names::kJobFiles));
        EXPECT_EQ(jobState(), u"Stopped");
        EXPECT_FALSE(checked(Names::kRealiFast));
        EXPECT_TRUE(checked(Names::kCloseSequence));
        pressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(window->settings(), before);
}

// OK stores what the dialog changed at once, so that a logout or a crash cannot lose it; what
// another running copy stored meanwhile stays, and the window's place waits for the exit.
TEST_F(OptionsDialogTest, OkStoresTheChangedValuesAndKeepsAnotherCopysValues) {
    window->close();
    catalog.reset();
    startProgram(false);
    {
        platform::FileRegistryStore otherCopy(platform::Hive::CurrentUser, env.userFile());
        ASSERT_TRUE(otherCopy.openKey(core::kHarvexRootKey + std::string("\\Settings"), false));
        otherCopy.writeString("Aria2Secret", "token");
    }
    window->move(window->x() + 40, window->y());
    withOptions([this] {
        click(Names::kIgnoreQuery);
        showTab(1);
        for (const char* radio :
             {radioOf(Target::NetVampire3), Names::kDde, Names::kTidyAdded, Names::kRealiFast}) {
            click(radio);
        }
        auto* jobState = control<QComboBox>(Names::kJobState);
        jobState->setFocus();
        QTest::keyClick(jobState, Qt::Key_Down);
        control<QLineEdit>(ui::NamesGroup::kMask)->setText(u"*num*.*ext*"_s);
        click(ui::NamesGroup::kReferrers[2]);
        control<QLineEdit>(ui::NamesGroup::kFixedReferrer)->setText(u"http://r/"_s);
        showTab(2);
        click(Names::kCloseSequence);
        click(Names::kOk);
    });
    core::SettingsRecord expected;
    expected.nameMask = "*num*.*ext*";
    expected.referrer = 2;
    expected.referrerText = "http://r/";
    expected.qLinks = false;
    expected.mode = core::TargetProgram::NetVampire3;
    expected.nvdde = true;
    expected.tidyUp = 1;
    expected.realiFast = true;
    expected.nvJobDefault = ui::NetVampireGroup::kQueued;
    expected.acas = false;
    expected.position = window->settings().position;
    EXPECT_EQ(window->settings(), expected);
    platform::FileRegistryStore reader(platform::Hive::CurrentUser, env.userFile());
    expected.aria2Secret = "token";
    EXPECT_EQ(core::SettingsStorage(reader).LoadSettings({}), expected);

    window->close();
    catalog.reset();
    startProgram(false);
    EXPECT_EQ(window->settings().aria2Secret, "token");
    withOptions([this] {
        EXPECT_EQ(jobState(), u"Queued");
        EXPECT_TRUE(checked(Names::kTidyAdded));
        EXPECT_FALSE(checked(Names::kIgnoreQuery));
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, AnAddedAria2EndpointIsChosenAndTheWindowsNameIt) {
    withOptions([this] {
        showTab(1);
        click(radioOf(Target::Aria2));
        withEndpoints([](QDialog& endpoints) {
            const auto edit = [&endpoints](const char* name) {
                return endpoints.findChild<QLineEdit*>(QLatin1StringView(name));
            };
            auto* problem = endpoints.findChild<QLabel*>(QLatin1StringView(Names::kAria2Problem));
            QTest::mouseClick(
                endpoints.findChild<QPushButton*>(QLatin1StringView(Names::kAria2AddEndpoint)),
                Qt::LeftButton);
            edit(Names::kAria2Name)->setText(u"nas:video"_s);
            EXPECT_FALSE(problem->isHidden());
            edit(Names::kAria2Name)->setText(u"nas"_s);
            edit(Names::kAria2Url)->setText(u"http://192.0.2.7:6800/jsonrpc"_s);
            EXPECT_TRUE(problem->text().contains(u"unencrypted"_s));
        });
        auto* problem = control<QLabel>(Names::kAria2ChoiceProblem);
        EXPECT_EQ(control<QComboBox>(Names::kAria2Choice)->currentText(), u"nas");
        EXPECT_FALSE(problem->isHidden());
        withEndpoints([](QDialog& endpoints) {
            endpoints.findChild<QCheckBox*>(QLatin1StringView(Names::kAria2PlainToken))
                ->setChecked(true);
        });
        EXPECT_TRUE(problem->isHidden());
        pressKey(Qt::Key_Return);
    });
    const core::SettingsRecord& settings = window->settings();
    EXPECT_EQ(settings.aria2Endpoint, "nas");
    EXPECT_EQ(core::Aria2Endpoints::of(settings),
              (std::vector<core::Aria2Endpoint>{
                  {.name = "aria2", .url = settings.aria2Url},
                  {.name = "nas", .url = "http://192.0.2.7:6800/jsonrpc", .plainToken = true}}));
    EXPECT_EQ(window->panels().text(StatusPanel::Target), "aria2 (nas)");
    auto* adding = static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    EXPECT_EQ(adding->findChild<QGroupBox*>(u"GroupBox1"_s)->title(), u"Add items to aria2 (nas)");
}

TEST_F(OptionsDialogTest, PagesAreReadAsABrowserDoesUntilTheQuickScanIsChosen) {
    withOptions([this] {
        EXPECT_TRUE(checked(Names::kBrowserReading));
        EXPECT_TRUE(checked(Names::kIgnoreScriptLinks));
        EXPECT_FALSE(checked(Names::kMediaSources));
        EXPECT_TRUE(checked(Names::kResolveLinks));
        click(Names::kMediaSources);
        click(Names::kResolveLinks);
        click(Names::kQuickScan);
        // What only the browser reading does cannot be changed for the quick scan.
        EXPECT_FALSE(control<QAbstractButton>(Names::kIgnoreScriptLinks)->isEnabled());
        pressKey(Qt::Key_Return);
    });
    const core::SettingsRecord& settings = window->settings();
    EXPECT_TRUE(settings.quickScan);
    EXPECT_TRUE(settings.mediaSources);
    EXPECT_FALSE(settings.resolvePageLinks);
    EXPECT_TRUE(settings.ignoreScriptLinks);
    withOptions([this] {
        EXPECT_TRUE(checked(Names::kQuickScan));
        EXPECT_FALSE(control<QAbstractButton>(Names::kMediaSources)->isEnabled());
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, LeavingOutLinksSentBeforeIsOffUntilChecked) {
    withOptions([this] {
        showTab(1);
        EXPECT_FALSE(checked(Names::kSkipSent));
        click(Names::kSkipSent);
        pressKey(Qt::Key_Return);
    });
    EXPECT_TRUE(window->settings().skipSent);
}

TEST_F(OptionsDialogTest, RoutesNameOneOfTheUsersRulePresets) {
    const TempFolder config;
    const char* own = std::getenv("HARVEX2_CONFIG_DIR");
    const std::optional<std::string> before = own ? std::optional<std::string>(own) : std::nullopt;
    ::setenv("HARVEX2_CONFIG_DIR", config.path().c_str(), 1);
    core::RulePresets(core::RulePresets::userFolder()).save("by type", "+ ext:txt -> aria2\n");
    withOptions([this] {
        showTab(1);
        auto* routes = control<QComboBox>(Names::kRoutesPreset);
        EXPECT_EQ(routes->currentIndex(), 0);
        ASSERT_EQ(routes->count(), 2);
        routes->setCurrentIndex(1);
        pressKey(Qt::Key_Return);
    });
    if (before) {
        ::setenv("HARVEX2_CONFIG_DIR", before->c_str(), 1);
    } else {
        ::unsetenv("HARVEX2_CONFIG_DIR");
    }
    EXPECT_EQ(window->settings().routesPreset, "by type");
}

TEST_F(OptionsDialogTest, DownloadsAreFollowedForADayUnlessChanged) {
    withOptions([this] {
        showTab(1);
        auto* hours = control<QSpinBox>(Names::kFollowHours);
        EXPECT_EQ(hours->value(), 24);
        hours->setValue(2);
        pressKey(Qt::Key_Return);
    });
    EXPECT_EQ(window->settings().followHours, 2);
}

// Every page gets the room its controls need, whatever the font, and the buttons stay
// below the pages.
TEST_F(OptionsDialogTest, EachPageHasTheRoomItsControlsNeed) {
    withOptions([this] {
        auto* pages = control<QTabWidget>(Names::kPages);
        for (int index = 0; index < pages->count(); ++index) {
            showTab(index);
            const QWidget* page = pages->widget(index);
            EXPECT_GE(page->height(), page->minimumSizeHint().height()) << index;
            EXPECT_GE(page->width(), page->minimumSizeHint().width()) << index;
        }
        EXPECT_GE(control<QPushButton>(Names::kOk)->y(), pages->geometry().bottom());
        dialog()->reject();
    });
}

TEST_F(OptionsDialogTest, ValuesWithoutAControlLeaveTheChoicesShownBefore) {
    core::SettingsRecord& settings = window->settings();
    settings.mode = core::TargetProgram::ReGet;
    settings.nvJobDefault = ui::NetVampireGroup::kFailed;
    withOptions([this] { pressKey(Qt::Key_Escape); });
    settings.mode = core::TargetProgram{9};
    settings.tidyUp = -1;
    settings.nvJobDefault = 5;
    withOptions([this] {
        EXPECT_TRUE(checked(radioOf(Target::ReGet)));
        EXPECT_TRUE(checked(Names::kNoTidy));
        EXPECT_EQ(jobState(), u"Failed (dumb)");
        pressKey(Qt::Key_Return);
    });
    EXPECT_EQ(settings.mode, core::TargetProgram::ReGet);
    EXPECT_EQ(settings.tidyUp, 0);
    EXPECT_EQ(settings.nvJobDefault, ui::NetVampireGroup::kFailed);
}

TEST_F(OptionsDialogTest, OkSwitchesTheTargetPanelAndThePictures) {
    auto* adding = static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    adding->rows().append("http://a/b.zip", {"/d/", "b.zip"}, core::RowSource{std::size_t{0}});
    const auto picture = [adding] {
        return adding->findChild<QTreeView*>(u"ListView1"_s)
            ->model()
            ->index(0, 0)
            .data(Qt::DecorationRole)
            .value<QPixmap>()
            .toImage();
    };
    QWidget* pleaseWait = catalog->window(ui::WindowSlot::Connecting);
    const auto reGetIcon = [pleaseWait] {
        return !pleaseWait->findChild<QLabel*>(u"Image2"_s)->isHidden();
    };
    const auto reGet = ui::StatePictures::stateSet(ui::PictureSet::ReGet);
    const auto netVampire = ui::StatePictures::stateSet(ui::PictureSet::NetVampire);
    EXPECT_EQ(picture(), netVampire[3].toImage());

    withOptions([this] {
        showTab(1);
        click(radioOf(Target::ReGet));
        pressKey(Qt::Key_Return);
    });
    EXPECT_EQ(window->panels().text(StatusPanel::Target), "ReGet");
    EXPECT_EQ(picture(), reGet[3].toImage());
    EXPECT_TRUE(reGetIcon());

    withOptions([this] {
        click(radioOf(Target::NetVampire3));
        click(Names::kOk);
    });
    EXPECT_EQ(window->panels().text(StatusPanel::Target), "NetVampire 3");
    EXPECT_EQ(picture(), netVampire[3].toImage());
    EXPECT_FALSE(reGetIcon());
}

TEST_F(OptionsDialogTest, TheAria2RadioShowsItsOwnGroupAndKeepsEveryTidyChoice) {
    withOptions([this] {
        showTab(1);
        click(radioOf(Target::Aria2));
        EXPECT_FALSE(netVampireGroupShown());
        EXPECT_TRUE(control<QGroupBox>(Names::kAria2Group)->isVisible());
        // Net Vampire's job files do not limit what aria2 can report.
        EXPECT_TRUE(control<QRadioButton>(Names::kTidyAdded)->isEnabled());
        withEndpoints([](QDialog& endpoints) {
            auto* url = endpoints.findChild<QLineEdit*>(QLatin1StringView(Names::kAria2Url));
            auto* secret = endpoints.findChild<QLineEdit*>(QLatin1StringView(Names::kAria2Secret));
            EXPECT_EQ(url->text(), u"http://127.0.0.1:6800/jsonrpc");
            EXPECT_EQ(secret->echoMode(), QLineEdit::Password);
            url->setText(u"http://127.0.0.1:6801/jsonrpc"_s);
            secret->setText(u"s3cret"_s);
        });
        click(Names::kTidyAdded);
        pressKey(Qt::Key_Return);
    });
    const core::SettingsRecord& settings = window->settings();
    EXPECT_EQ(settings.mode, core::TargetProgram::Aria2);
    EXPECT_EQ(settings.tidyUp, 1);
    EXPECT_EQ(settings.aria2Url, "http://127.0.0.1:6801/jsonrpc");
    EXPECT_EQ(settings.aria2Secret, "s3cret");
    EXPECT_EQ(window->panels().text(StatusPanel::Target), "aria2");
    EXPECT_EQ(window->findChild<QLabel*>(u"Label3"_s)->toolTip(),
              u"Note: Download directory is where aria2 saves the files");
    auto* adding = static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    EXPECT_EQ(adding->findChild<QGroupBox*>(u"GroupBox1"_s)->title(), u"Add items to aria2");
    adding->rows().append("http://a/b.zip", {"/d/", "b.zip"}, core::RowSource{std::size_t{0}});
    adding->rows().setStatus(0, "Added", core::RowPicture::Added);
    EXPECT_EQ(adding->findChild<QTreeView*>(u"ListView1"_s)
                  ->model()
                  ->index(0, 0)
                  .data(Qt::DecorationRole)
                  .value<QPixmap>()
                  .toImage(),
              ui::StatePictures::stateSet(ui::PictureSet::Aria2)[0].toImage());
    EXPECT_FALSE(
        catalog->window(ui::WindowSlot::Connecting)->findChild<QLabel*>(u"Image3"_s)->isHidden());
    withOptions([this] {
        EXPECT_TRUE(checked(Names::kTidyAdded));
        EXPECT_FALSE(netVampireGroupShown());
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, OpensOnTheTabLastShownAndLightsUpTheHeadingUnderTheMouse) {
    withOptions([this] {
        showTab(2);
        QTabBar* bar = control<QTabWidget>(Names::kPages)->tabBar();
        QTest::mouseMove(bar, bar->tabRect(1).center());
        EXPECT_EQ(bar->tabTextColor(1), bar->palette().color(QPalette::Highlight));
        EXPECT_FALSE(bar->tabTextColor(0).isValid());
        QTest::mouseMove(bar, bar->tabRect(0).center());
        EXPECT_FALSE(bar->tabTextColor(1).isValid());
        pressKey(Qt::Key_Escape);
    });
    withOptions([this] {
        EXPECT_EQ(control<QTabWidget>(Names::kPages)->currentIndex(), 2);
        pressKey(Qt::Key_Escape);
    });
}

TEST_F(OptionsDialogTest, DeveloperModeShowsItsLabel) {
    window->close();
    catalog.reset();
    startProgram(true);
    withOptions([this] {
        EXPECT_TRUE(control<QLabel>(Names::kDeveloperMode)->isVisible());
        EXPECT_EQ(control<QLabel>(Names::kDeveloperMode)->text(), u"Developer Mode");
        pressKey(Qt::Key_Escape);
    });
}

} // namespace
} // namespace harvex2::test
