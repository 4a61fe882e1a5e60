#include "ui/shell/StartupSequence.h"

#include "platform/posix/RegFileStorage.h"
#include "support/ui/UiTestServices.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/SplashNames.h"
#include "ui/shell/SplashWindow.h"

#include <filesystem>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPointer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using platform::StatusPanel;
using Names = SplashNames;

// What each window's factory saw when it was called.
struct Creation {
    WindowSlot slot;
    QString firstList;
    QString secondList;
    bool mainWindowHidden;
    bool developerMode;
};
std::vector<Creation> creations;

QString labelText(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1StringView(Names::kWindow)) {
            return window->findChild<QLabel*>(QLatin1StringView(name))->text();
        }
    }
    return u"<no splash window>"_s;
}

template <WindowSlot slot> std::unique_ptr<QWidget> record(AppServices& services) {
    creations.push_back({slot, labelText(Names::kFirstFormList), labelText(Names::kSecondFormList),
                         !services.mainWindow->isVisible(), services.developerMode});
    return std::make_unique<QWidget>();
}

constexpr WindowEntry kRecordedWindows[] = {
    {WindowSlot::BaseUrlPrompt, "", SplashLine::None, &record<WindowSlot::BaseUrlPrompt>},
    {WindowSlot::ParseHtml, "Import ", SplashLine::First, &record<WindowSlot::ParseHtml>},
    {WindowSlot::Adding, "Adding ", SplashLine::First, nullptr},
    {WindowSlot::Options, "Options ", SplashLine::First, &record<WindowSlot::Options>},
    {WindowSlot::MultipleSetup, "Multiple ", SplashLine::Second,
     &record<WindowSlot::MultipleSetup>},
    {WindowSlot::SaveProfile, "SaveSettings ", SplashLine::Second,
     &record<WindowSlot::SaveProfile>},
};

class StartupSequenceTest : public testing::Test {
protected:
    void SetUp() override {
        creations.clear();
        QLocale::setDefault(QLocale::c());
    }

    StartupSequence& start(std::vector<std::string> arguments,
                           std::span<const WindowEntry> windows = WindowCatalog::programWindows()) {
        startup = std::make_unique<StartupSequence>(
            services, core::CommandLine(std::move(arguments)), windows);
        startup->createWindows();
        return *startup;
    }

    test::UiTestServices env;
    AppServices services = env.make();
    std::unique_ptr<StartupSequence> startup;
};

TEST_F(StartupSequenceTest, WithoutArgumentsShowsTheShortSplashThenTheGreetedMainWindow) {
    StartupSequence& run = start({});
    ASSERT_NE(run.splash(), nullptr);
    EXPECT_TRUE(run.splash()->isVisible());
    // The short splash ends below the notice, before the list of windows being made.
    const auto geometryOf = [&run](const char* name) {
        return run.splash()->findChild<QLabel*>(QLatin1StringView(name))->geometry();
    };
    EXPECT_TRUE(run.splash()->rect().contains(geometryOf(Names::kNotice)));
    EXPECT_FALSE(run.splash()->rect().contains(geometryOf(Names::kFormsHeading).topLeft()));
    EXPECT_FALSE(run.mainWindow().isVisible());
    EXPECT_EQ(run.mainWindow().panels().text(StatusPanel::State), "Welcome to Harvex");
    EXPECT_EQ(run.mainWindow().panels().text(StatusPanel::Detail), "v1.42");
    EXPECT_EQ(run.mainWindow().panels().text(StatusPanel::Target), "NetVampire");
    EXPECT_EQ(QGuiApplication::applicationName(), u"Harvex2");

    QPointer<SplashWindow> splash = run.splash();
    run.finish();
    EXPECT_TRUE(splash.isNull());
    EXPECT_TRUE(run.mainWindow().isVisible());
}

TEST_F(StartupSequenceTest, DeveloperModeShowsEveryWindowNameOnTheTallSplash) {
    StartupSequence& run = start({"-dev", "list.nva"});
    EXPECT_TRUE(services.developerMode);
    EXPECT_EQ(labelText(Names::kVersion), u"Harvex2 1.4");
    EXPECT_EQ(labelText(Names::kFormsHeading), u"Init forms:");
    EXPECT_TRUE(
        run.splash()->findChild<QLabel*>(QLatin1StringView(Names::kFormsHeading))->font().bold());
    EXPECT_EQ(labelText(Names::kFirstFormList),
              u"Main Import Adding Sequential Select Options BrowseDir Connecting "_s);
    EXPECT_EQ(labelText(Names::kSecondFormList),
              u"Multiple Multiple2 LoadSettings SaveSettings "_s);
    for (const char* name : {Names::kFormsHeading, Names::kFirstFormList, Names::kSecondFormList}) {
        SCOPED_TRACE(name);
        const QRect label = run.splash()->findChild<QLabel*>(QLatin1StringView(name))->geometry();
        EXPECT_TRUE(run.splash()->rect().contains(label.topLeft())) << name;
    }
}

TEST_F(StartupSequenceTest, SplashFormListsStartWithTheirDesignTexts) {
    SplashWindow splash(false);
    EXPECT_EQ(splash.findChild<QLabel*>(QLatin1StringView(Names::kFirstFormList))->text(),
              u"<Form list>");
    EXPECT_EQ(splash.findChild<QLabel*>(QLatin1StringView(Names::kSecondFormList))->text(),
              u"<More Forms>");
    const auto* picture = splash.findChild<QLabel*>(QLatin1StringView(Names::kPicture));
    EXPECT_EQ(picture->size(), picture->pixmap().deviceIndependentSize().toSize());
    EXPECT_TRUE(splash.rect().contains(picture->geometry()));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(StartupSequenceTest, CreatesEachWindowAfterItsNameIsShownWithTheMainWindowHidden) {
    StartupSequence& run = start({"-dev"}, kRecordedWindows);
    const QString first = u"Main Import Adding Options "_s;
    ASSERT_EQ(creations.size(), 5u);
    const std::pair<WindowSlot, QString> expected[] = {
        {WindowSlot::BaseUrlPrompt, u"Main "_s},
        {WindowSlot::ParseHtml, u"Main Import "_s},
        {WindowSlot::Options, first},
        {WindowSlot::MultipleSetup, u"Multiple "_s},
        {WindowSlot::SaveProfile, u"Multiple SaveSettings "_s},
    };
    for (std::size_t i = 0; i < creations.size(); ++i) {
        const Creation& c = creations[i];
        EXPECT_EQ(c.slot, expected[i].first);
        const bool onSecond = i >= 3;
        EXPECT_EQ(onSecond ? c.secondList : c.firstList, expected[i].second) << i;
        EXPECT_EQ(c.secondList, onSecond ? expected[i].second : u"<More Forms>"_s) << i;
        EXPECT_TRUE(c.mainWindowHidden);
        EXPECT_TRUE(c.developerMode);
        EXPECT_NE(run.windows().window(c.slot), nullptr);
    }
    EXPECT_EQ(run.windows().window(WindowSlot::Adding), nullptr);
}

// Lets the first window's factory provide the open command, as the link list files will.
std::vector<std::string> opened;
std::unique_ptr<QWidget> provideOpen(AppServices& services) {
    services.mainHooks->openLinkList = [&services](const std::optional<std::string>& path) {
        opened.push_back(services.mainWindow->isVisible() ? "shown" : path.value_or("-"));
    };
    return nullptr;
}
constexpr WindowEntry kOpener[] = {{WindowSlot::BaseUrlPrompt, "", SplashLine::None, &provideOpen}};

struct CommandLineCase {
    std::vector<std::string> arguments;
    std::vector<std::string> opened;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    for (const std::string& argument : c.arguments) {
        *out << '[' << argument << ']';
    }
}

class CommandLineFileTest : public StartupSequenceTest,
                            public testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineFileTest, OpensOnlyALinkListFileAndOnlyWhileHidden) {
    opened.clear();
    start(GetParam().arguments, kOpener);
    startup->finish();
    EXPECT_EQ(opened, GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineFileTest,
                         testing::Values(CommandLineCase{{"My", "Lists/a.nva"}, {"My Lists/a.nva"}},
                                         CommandLineCase{{"b.Nva"}, {"b.Nva"}},
                                         CommandLineCase{{}, {}},
                                         CommandLineCase{{"-dev", "a.nva"}, {}},
                                         CommandLineCase{{"-DEV"}, {}},
                                         CommandLineCase{{"a.nva.txt"}, {}}));

// The start falls back to defaults without a word, as loading does; a settings file too
// large to use is told once the main window is up.
TEST_F(StartupSequenceTest, ASettingsFileTooLargeToUseIsToldOnceTheMainWindowIsUp) {
    test::TempFolder::write(env.userFile(), "Windows Registry Editor Version 5.00\r\n");
    std::filesystem::resize_file(env.userFile(), platform::RegFileStorage::kMaxFileSize + 1);
    StartupSequence& run = start({}, kRecordedWindows);
    EXPECT_TRUE(run.mainWindow().settings().remember);

    env.prompts.expectMessage(platform::MessageIcon::Warning, "Harvex2",
                              "The settings file\n" + env.userFile() +
                                  "\nis larger than 64 MB. Harvex2 goes on with its default "
                                  "settings and leaves the file as it is.",
                              {platform::MessageButton::Ok}, platform::MessageButton::Ok);
    run.finish();
    EXPECT_TRUE(env.prompts.allAnswered());
    EXPECT_TRUE(run.mainWindow().isVisible());
}

} // namespace
} // namespace harvex2::ui
