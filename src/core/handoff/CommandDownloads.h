#pragma once

#include "core/handoff/AddingRows.h"
#include "core/handoff/CommandTally.h"
#include "core/handoff/DownloadReports.h"
#include "platform/ProcessLauncher.h"
#include "platform/StatusBar.h"
#include "platform/WindowThread.h"

#include <memory>
#include <string>
#include <vector>

namespace harvex2::core {

// One row's program.
struct CommandRow {
    std::size_t row;
    std::vector<std::string> words;
};

// The command target's programs across passes: a pass lasts one Add, but its programs run on
// and end after it. A row reads "Started" when its program starts and then how it ended,
// while the Adding window still holds that row; the status bar sums up every end.
class CommandDownloads {
public:
    static constexpr const char* kStarted = "Started";

    // Either may be null where there is none (tests of other targets, no main window).
    CommandDownloads(platform::ProcessLauncher* launcher, platform::StatusBar* statusBar)
        : launcher_(launcher), statusBar_(statusBar) {}

    platform::ProcessLauncher* launcher() const { return launcher_; }
    // Queues the programs of `commands`, rows of `rows`. `rows` must outlive this object, and
    // `reports`, which hears of each end when given, too.
    void run(std::vector<CommandRow> commands, AddingRows& rows,
             platform::WindowThread& windowThread, const platform::ProcessLimits& limits,
             DownloadReports* reports = nullptr);

private:
    // What a program's end is told to, beside its row.
    struct Listener {
        std::string link;
        EntryId entry;
        DownloadReports* reports;
    };

    platform::ProcessJob jobFor(CommandRow command, AddingRows& rows,
                                platform::WindowThread& windowThread, DownloadReports* reports);
    void started(AddingRows& rows, std::size_t generation, std::size_t row);
    void ended(AddingRows& rows, std::size_t generation, std::size_t row, const Listener& listener,
               const platform::ProcessEnd& end);

    platform::ProcessLauncher* launcher_;
    platform::StatusBar* statusBar_;
    CommandTally tally_;
    // What the launcher's calls post to the window's thread checks it: they touch nothing
    // once this is gone.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

} // namespace harvex2::core
