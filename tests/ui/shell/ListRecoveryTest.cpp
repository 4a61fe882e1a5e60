#include "ui/shell/ListRecovery.h"

#include "core/shell/RecoveryRecords.h"
#include "support/ui/UiTestServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/StartupSequence.h"

#include <csignal>
#include <filesystem>
#include <tuple>

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

// Set in the environment of the program the test kills: the recovery folder to use.
constexpr const char* kHeldListFolder = "HARVEX2_TEST_HELD_LIST_FOLDER";

using Row = std::tuple<std::string, core::EntryId, std::string, bool, core::DetailSet>;

std::vector<Row> rows(const core::LinkList& list) {
    std::vector<Row> result;
    for (std::size_t i = 0; i < list.count(); ++i) {
        result.emplace_back(list.textAt(i), list.idAt(i), list.originAt(i), list.checkedAt(i),
                            list.details().copyOf(list.idAt(i)));
    }
    return result;
}

// A 300-byte link holding every byte value, checked, from a page, with details.
void holdList(core::LinkList& links) {
    std::string link = "http://host/";
    for (int i = 0; link.size() < 300; ++i) {
        link.push_back(static_cast<char>(i % 256));
    }
    const core::EntryId first = links.appendAll({link, "http://host/b"}, "http://host/page");
    links.setChecked(0, true);
    links.details().fileNames.set(first, "name.bin");
    links.details().counters.set(first + 1, {"01", "x"});
}

class Started {
public:
    explicit Started(test::UiTestServices& env, const std::string& folder) : services_(env.make()) {
        services_.recoveryFolder = folder;
        startup_.emplace(services_, core::CommandLine({}), std::span<const WindowEntry>());
        startup_->createWindows();
        startup_->finish();
    }
    MainWindow& window() { return startup_->mainWindow(); }
    ListRecovery& recovery() { return *startup_->recovery(); }

private:
    AppServices services_;
    std::optional<StartupSequence> startup_;
};

// The program the test below kills: started as main() starts it, holding the list until the
// kill once its recovery file has it all.
TEST(ListRecoveryHeld, HoldsTheListUntilKilled) {
    if (!qEnvironmentVariableIsSet(kHeldListFolder)) {
        GTEST_SKIP() << "run as a child process by KilledProgramsListComesBackExactly";
    }
    test::UiTestServices env;
    Started program(env, qEnvironmentVariable(kHeldListFolder).toStdString());
    holdList(program.window().links());
    while (core::RecoveryRecords::read(test::TempFolder::read(program.recovery().path()))
               .entries.size() < 2) {
        QTest::qWait(50);
    }
    std::cout << "held" << std::endl;
    QTest::qWait(600000);
}

TEST(ListRecovery, KilledProgramsListComesBackExactly) {
    test::TempFolder folder;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kHeldListFolder), QString::fromStdString(folder.path()));
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationFilePath(),
                  {u"--gtest_filter=ListRecoveryHeld.*"_s});
    while (!program.readAllStandardOutput().contains("held")) {
        ASSERT_TRUE(program.waitForReadyRead(60000)) << program.errorString().toStdString();
    }
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(60000));

    core::LinkList expected;
    holdList(expected);
    test::UiTestServices env;
    env.prompts.expectMessage(
        platform::MessageIcon::Question, "Harvex2",
        "Harvex2 did not end properly last time. Restore the list of 2 links it held?",
        {platform::MessageButton::Yes, platform::MessageButton::No}, platform::MessageButton::Yes);
    {
        Started next(env, folder.path());
        EXPECT_EQ(rows(next.window().links()), rows(expected));
        // Closing the window leaves nothing to offer: the start after it is an ordinary one.
        next.window().close();
        EXPECT_FALSE(std::filesystem::exists(next.recovery().path()));
    }
    Started ordinary(env, folder.path());
    EXPECT_EQ(ordinary.window().links().count(), 0u);
}

// A logout ends the program without its window's close: the list stays, up to date.
TEST(ListRecovery, KeptFileHoldsTheListAsItEnded) {
    test::UiTestServices env;
    test::TempFolder folder;
    Started program(env, folder.path());
    holdList(program.window().links());
    program.recovery().keepFile();
    program.window().close();
    EXPECT_EQ(core::RecoveryRecords::read(test::TempFolder::read(program.recovery().path()))
                  .entries.size(),
              2u);
}

} // namespace
} // namespace harvex2::ui
