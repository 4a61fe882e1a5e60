#include "core/handoff/JobFileChannel.h"
#include "core/handoff/JobFileManager.h"
#include "platform/ProfileFileText.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/GatedChildren.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;
using platform::ProfileFileText;

constexpr int kLinks = 300;

std::string urlOf(const std::string& copy, int link) {
    return "http://h/" + copy + "/" + std::to_string(link);
}

// One running copy of the program handing its links to Net Vampire's job files, as the
// Adding window's pass does.
// The settings lock is waited for far longer than the program does: on a loaded machine one
// flushed write of the other copy can outlast the program's wait, and this test is about the
// job files, not about giving up on the lock.
void handOver(const test::TempFolder& folder, const std::string& copy) {
    constexpr std::chrono::minutes kPatientLockWait{2};
    platform::FileRegistryStore user(platform::Hive::CurrentUser, folder.file("user.reg"),
                                     kPatientLockWait);
    platform::FileRegistryStore machine(platform::Hive::LocalMachine, folder.file("machine.reg"),
                                        kPatientLockWait);
    JobFileManager manager(user, machine);
    JobFileChannel channel(manager);
    AddingRows rows;
    for (int link = 0; link < kLinks; ++link) {
        rows.append(urlOf(copy, link), {"/down/", copy + ".zip"},
                    core::RowSource{static_cast<std::size_t>(link)});
    }
    test::FakeAddingWindow window;
    SettingsRecord settings;
    settings.realiFast = true;
    test::ScriptedPrompts prompts;
    test::LoopWindowThread windowThread;
    AddingPassContext context{rows, window, settings, prompts, windowThread, user, machine};
    test::runToEnd(channel, context, {"", folder.path() + "/Data/"}, windowThread);
    if (settings.files != kLinks) {
        throw std::runtime_error("not every link was added");
    }
}

TEST(JobFileConcurrency, TwoCopiesHandingLinksToOneFolderMakeOneWholeJobPerLink) {
    test::TempFolder folder;
    const std::string data = folder.path() + "/Data/";
    fs::create_directories(data + "Jobs");
    fs::create_directories(data + "State");
    test::GatedChildren children;
    const pid_t first = children.start([&] { handOver(folder, "first"); });
    const pid_t second = children.start([&] { handOver(folder, "second"); });
    children.open();
    ASSERT_EQ(children.wait(first), 0);
    ASSERT_EQ(children.wait(second), 0);

    std::set<std::string> urls;
    for (const auto& entry : fs::directory_iterator(data + "Jobs")) {
        const std::string name = entry.path().stem().string();
        const std::string bytes = test::TempFolder::read(entry.path().string());
        const std::string key = ProfileFileText::find(bytes, "SETTINGS", "LocID").value_or("");
        const std::string url = ProfileFileText::find(bytes, "LOCATIONS", key).value_or("");
        const std::string copy = url.substr(9, url.find('/', 9) - 9);
        ASSERT_EQ(bytes, "[SETTINGS]\r\nLocID=" + key +
                             "\r\nLocalFolder=/down/\r\nTitle=[Harvex] " + copy +
                             ".zip\r\n\r\n[LOCATIONS]\r\n" + key + "=" + url + "\r\n")
            << name;
        ASSERT_EQ(test::TempFolder::read(data + "State/" + name + ".nvc"), "[STATE]\r\nState=0\r\n")
            << name;
        urls.insert(url);
    }
    EXPECT_EQ(urls.size(), 2u * kLinks);
    for (const std::string copy : {"first", "second"}) {
        SCOPED_TRACE(copy);
        for (int link = 0; link < kLinks; ++link) {
            ASSERT_TRUE(urls.count(urlOf(copy, link))) << urlOf(copy, link);
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(data + "State"), fs::directory_iterator()),
              2 * kLinks);
}

} // namespace
} // namespace harvex2::core
