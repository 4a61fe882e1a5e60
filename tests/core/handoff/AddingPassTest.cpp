#include "core/handoff/AddingPass.h"

#include "core/handoff/NetVampirePass.h"
#include "core/rules/RulePresets.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeAutomation.h"
#include "support/core/FakeDdeClient.h"
#include "support/core/FakeJsonRpc.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/NetVampireInstall.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

namespace fs = std::filesystem;
using core::RowPicture;
using platform::FailureKind;
using platform::MessageButton;
using platform::MessageIcon;

const char* const kLocationKey =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Vampire.exe";

class AddingPassTest : public ::testing::Test {
protected:
    AddingPassTest() {
        prompts.answerThrough(windowThread);
        makeNetVampireFolder(programFolder);
        fs::create_directories(emptyFolder);
        for (std::size_t i = 0; i < 3; ++i) {
            rows.append("http://h/" + std::to_string(i) + ".zip", {"/down/", std::to_string(i)},
                        core::RowSource{i});
        }
    }

    std::string recorded() {
        if (!machineStore.openKey(kLocationKey, false)) {
            return "(no key)";
        }
        return machineStore.readString("Path");
    }

    void expectNotFound() {
        prompts.expectFailure(FailureKind::Connection, "Net Vampire could not be found!");
    }

    void expectNoEntry(MessageButton answer) {
        prompts.expectMessage(MessageIcon::Error, "No entry in Registry",
                              "Oops. Couldn't find NetVampire. Do you want to find it?",
                              {MessageButton::Yes, MessageButton::No}, answer);
    }

    // What a fatal end leaves: the marker and picture on the first row, nothing else touched.
    void expectFatalEnd(RowPicture firstPicture) {
        EXPECT_EQ(rows.at(0).indexFromMain(), "31999");
        EXPECT_EQ(rows.at(0).picture, firstPicture);
        for (std::size_t r = 0; r < rows.count(); ++r) {
            EXPECT_EQ(rows.at(r).status, "Waiting");
        }
        EXPECT_EQ(rows.at(1).indexFromMain(), "1");
        EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
        EXPECT_FALSE(window.pleaseWaitShown);
    }

    void run() {
        core::AddingPass pass(userStore, machineStore, dde, automation, jsonRpc);
        runToEnd(pass, context, windowThread);
    }

    TempFolder folder;
    std::string programFolder = folder.path() + "/Net Vampire";
    std::string executable = programFolder + "/vampire.exe";
    std::string emptyFolder = folder.path() + "/elsewhere";
    platform::FileRegistryStore userStore{platform::Hive::CurrentUser, folder.file("user.reg")};
    platform::FileRegistryStore machineStore{platform::Hive::LocalMachine,
                                             folder.file("machine.reg")};
    core::AddingRows rows;
    FakeAddingWindow window;
    core::SettingsRecord settings;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    FakeDdeClient dde;
    FakeAutomation automation;
    FakeJsonRpc jsonRpc;
    core::AddingPassContext context{rows,         window,    settings,    prompts,
                                    windowThread, userStore, machineStore};
};

TEST_F(AddingPassTest, AFoundProgramGetsEveryRowAsAJobAndTheWindowCloses) {
    // Either target program, with the folder or the executable recorded.
    for (const std::int32_t mode : {0, 2}) {
        for (const bool recordExecutable : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "mode " << mode << ", executable " << recordExecutable);
            settings = {};
            settings.mode = core::TargetProgram{mode};
            window = {};
            recordNetVampire(machineStore, recordExecutable ? executable : programFolder);
            for (std::size_t r = 0; r < rows.count(); ++r) {
                rows.setStatus(r, "Waiting", RowPicture::Waiting);
            }
            run();
            for (std::size_t r = 0; r < rows.count(); ++r) {
                EXPECT_EQ(rows.at(r).picture, RowPicture::Added);
                EXPECT_TRUE(fs::exists(programFolder + "/Data/Jobs/" + rows.at(r).status + ".nvj"));
            }
            EXPECT_EQ(settings.files, 3);
            EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
            EXPECT_EQ(window.pleaseWaitStatuses,
                      (std::vector<std::string>{"Connecting to NetVampire...",
                                                "Initialising DDE Link..."}));
            EXPECT_FALSE(window.pleaseWaitShown);
            EXPECT_EQ(window.progressMaximum, 2);
            EXPECT_EQ(window.progressPosition, 2);
        }
    }
}

TEST_F(AddingPassTest, WithNothingRecordedAndNoAnswerTheProgramIsNotFound) {
    expectNoEntry(MessageButton::No);
    expectNotFound();
    run();
    expectFatalEnd(RowPicture::Fatal);
    EXPECT_EQ(recorded(), "(no key)");
}

TEST_F(AddingPassTest, ACancelledFolderBrowserFindsNothing) {
    expectNoEntry(MessageButton::Yes);
    prompts.expectDialog(std::nullopt);
    expectNotFound();
    run();
    expectFatalEnd(RowPicture::Fatal);
    EXPECT_EQ(prompts.dialogsShown().at(0).title, "Select directory containing NetVampire");
}

TEST_F(AddingPassTest, AnEmptyFolderBrowserAnswerIsNotRecorded) {
    expectNoEntry(MessageButton::Yes);
    prompts.expectDialog(std::string());
    expectNotFound();
    run();
    expectFatalEnd(RowPicture::Fatal);
    EXPECT_EQ(recorded(), "(no key)");
}

TEST_F(AddingPassTest, APickedFolderIsRecordedAndUsedAtOnce) {
    expectNoEntry(MessageButton::Yes);
    prompts.expectDialog(programFolder);
    run();
    EXPECT_EQ(recorded(), programFolder);
    EXPECT_EQ(rows.at(2).status, "A0000004");
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
}

TEST_F(AddingPassTest, APickedFolderWithoutTheProgramIsRecordedButNotFound) {
    expectNoEntry(MessageButton::Yes);
    prompts.expectDialog(emptyFolder);
    expectNotFound();
    run();
    EXPECT_EQ(recorded(), emptyFolder);
    expectFatalEnd(RowPicture::Fatal);
}

TEST_F(AddingPassTest, ARecordedValueNamingNoProgramIsNotFound) {
    for (const std::string& value : {emptyFolder, folder.path() + "/missing.exe"}) {
        recordNetVampire(machineStore, value);
        window = {};
        expectNotFound();
        run();
        expectFatalEnd(RowPicture::Fatal);
    }
}

TEST_F(AddingPassTest, AJobFileWriteErrorMarksItsRowFailedAndLeavesTheWindowOpen) {
    recordNetVampire(machineStore, programFolder);
    // The data folder vanishes once the first job is written.
    window.onScroll = [this](std::size_t row) {
        if (row == 1) {
            fs::remove_all(programFolder + "/Data");
        }
    };
    const std::string failure = "Unable to write to " + programFolder + "/Data/State/A0000002.nvc";
    prompts.expectFailure(FailureKind::General, failure);
    run();
    EXPECT_EQ(rows.at(0).status, "A0000000");
    EXPECT_EQ(rows.at(1).status, "Failed - " + failure);
    EXPECT_EQ(rows.at(1).picture, RowPicture::Fatal);
    EXPECT_EQ(rows.at(1).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(2).status, "Waiting");
    EXPECT_EQ(rows.at(2).picture, RowPicture::Waiting);
    EXPECT_TRUE(window.closeRequests.empty());
    EXPECT_FALSE(window.pleaseWaitShown);
    EXPECT_EQ(settings.files, 1);
}

TEST_F(AddingPassTest, TheDdeSettingSendsEitherNetVampireToItsService) {
    recordNetVampire(machineStore, programFolder);
    for (const std::int32_t mode : {0, 2}) {
        settings.mode = core::TargetProgram{mode};
        settings.nvdde = true;
        window = {};
        dde.requests.clear();
        run();
        EXPECT_EQ(dde.requests.size(), 3U);
        EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
        EXPECT_FALSE(fs::exists(programFolder + "/Data/Jobs/A0000000.nvj"));
    }
}

TEST_F(AddingPassTest, AnyOtherTargetProgramGoesToReGet) {
    automation.registered = false;
    for (const std::int32_t mode : {1, 7}) {
        SCOPED_TRACE(mode);
        settings.mode = core::TargetProgram{mode};
        window = {};
        prompts.expectFailure(FailureKind::Connection,
                              "Could not find the ReGet class to initiate OLE Automation. ");
        run();
        EXPECT_EQ(window.pleaseWaitStatuses,
                  std::vector<std::string>{"Attempting to find ReGet..."});
        expectFatalEnd(RowPicture::Waiting);
    }
}

TEST_F(AddingPassTest, GivingUpASilentTargetLeavesTheRowInFlightUnconfirmed) {
    recordNetVampire(machineStore, programFolder);
    settings.nvdde = true;
    dde.hangsFrom = 1;
    core::AddingPass pass(userStore, machineStore, dde, automation, jsonRpc);
    bool ended = false;
    pass.start(context, [&ended] { ended = true; });
    ASSERT_TRUE(windowThread.runUntil([this] { return rows.at(1).picture == RowPicture::Adding; }));
    pass.abandon();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(pass.running());
    EXPECT_EQ(dde.interrupts, 1);
    EXPECT_EQ(rows.at(0).status, "Added");
    EXPECT_EQ(rows.at(1).status, "Not confirmed");
    EXPECT_EQ(rows.at(1).picture, RowPicture::Fatal);
    EXPECT_EQ(rows.at(1).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(2).status, "Waiting");
    EXPECT_EQ(settings.files, 1);
    // The interrupted request's answer never reaches the rows.
    EXPECT_FALSE(windowThread.runUntil([] { return false; }, std::chrono::milliseconds(50)));
    EXPECT_EQ(rows.at(1).status, "Not confirmed");
}

TEST_F(AddingPassTest, AQuestionStillOpenWhenThePassIsGivenUpAnswersNoOne) {
    // Given up as closing the window does, or gone with the window. Had the Yes reached the
    // pass, it would go on to a folder dialog the script does not expect.
    for (const bool destroyed : {false, true}) {
        SCOPED_TRACE(destroyed ? "destroyed" : "given up");
        expectNoEntry(MessageButton::Yes);
        auto pass =
            std::make_unique<core::AddingPass>(userStore, machineStore, dde, automation, jsonRpc);
        int ended = 0;
        pass->start(context, [&ended] { ++ended; });
        if (destroyed) {
            pass.reset();
        } else {
            pass->abandon();
        }
        EXPECT_FALSE(windowThread.runUntil([] { return false; }, std::chrono::milliseconds(50)));
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_EQ(ended, destroyed ? 0 : 1);
        EXPECT_EQ(rows.at(0).status, "Waiting");
        EXPECT_EQ(recorded(), "(no key)");
    }
}

TEST_F(AddingPassTest, APassOverNoRowsOnlyClosesTheWindow) {
    rows.clear();
    run();
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_TRUE(window.pleaseWaitStatuses.empty());
}

TEST_F(AddingPassTest, RoutesThatCannotBeUsedAreToldBeforeAnythingIsHandedOver) {
    const core::RulePresets presets(folder.file("rules"));
    presets.save("video", "+ ext:mp4 -> aria2\n+ ext:zip -> nsa:/data\n");
    context.presets = &presets;
    settings.mode = core::TargetProgram::Aria2;
    const std::pair<std::string, std::string> cases[] = {
        {"video", "Nothing was handed over: the routes \"video\" cannot be used.\r\nLine 2, "
                  "column 14: There is no target \"nsa\"; the targets are NetVampire, "
                  "NetVampire 3, ReGet, aria2 and Command."},
        {"gone", "Nothing was handed over: the routes \"gone\" cannot be read (File not found)."}};
    for (const auto& [preset, message] : cases) {
        settings.routesPreset = preset;
        window = {};
        prompts.expectFailure(FailureKind::Stated, message);
        run();
        EXPECT_TRUE(jsonRpc.batches.empty());
        EXPECT_EQ(rows.at(2).status, "Waiting");
        EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    }
}

TEST_F(AddingPassTest, RoutedRowsNameTheirTargetAndKeepItsWayOfAnswering) {
    const core::RulePresets presets(folder.file("rules"));
    presets.save("jobs", "+ ext:zip -> netvampire");
    context.presets = &presets;
    settings.routesPreset = "jobs";
    settings.mode = core::TargetProgram::Aria2;
    recordNetVampire(machineStore, programFolder);
    run();
    EXPECT_TRUE(jsonRpc.batches.empty());
    EXPECT_EQ(rows.at(0).status, "NetVampire: A0000000");
    // Job files say nothing of each link: removing only the added ones keeps these.
    EXPECT_FALSE(rows.at(0).answeredPerLink);
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
}

// Stands for a channel that reached Net Vampire and had the middle row refused.
class RefusingChannel : public core::NetVampireChannel {
public:
    void start(core::AddingPassContext& context, const core::NetVampireLocation& where,
               std::function<void()> done) override {
        location = where;
        context.rows.setStatus(1, "Failed - invalid URL", RowPicture::Refused);
        context.allOk = false;
        done();
    }
    void interrupt() override {}
    core::NetVampireLocation location;
};

TEST_F(AddingPassTest, RefusedRowsLeaveTheWindowOpenWithTheErrorsMessage) {
    recordNetVampire(machineStore, executable);
    auto refusing = std::make_unique<RefusingChannel>();
    RefusingChannel& channel = *refusing;
    core::NetVampirePass pass(std::move(refusing));
    prompts.expectFailure(
        FailureKind::Stated,
        "There were errors while adding jobs\r\nPlease review and close the adding dialog.");
    runToEnd(pass, context, windowThread);
    EXPECT_TRUE(window.closeRequests.empty());
    EXPECT_EQ(channel.location.executable, executable);
    EXPECT_EQ(channel.location.dataFolder, programFolder + "/Data/");
}

} // namespace
} // namespace harvex2::test
