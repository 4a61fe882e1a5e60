#pragma once

#include "core/handoff/CommandTally.h"
#include "core/handoff/CommandTemplate.h"
#include "core/handoff/TargetPass.h"
#include "platform/ProcessLauncher.h"
#include "platform/StatusBar.h"

#include <memory>
#include <string>
#include <vector>

namespace harvex2::core {

// The command target: each row runs the program of the template in Options, a few at a
// time, in the background. A row reads "Queued" once handed over and "Started" when its
// process starts; the window closes as usual without waiting for the downloads. How each
// ended comes back later: into its row while the Adding window still holds it, and as a
// summary in the status bar.
class CommandPass : public TargetPass {
public:
    static constexpr const char* kStarted = "Started";

    // `statusBar` may be null (no main window).
    CommandPass(platform::ProcessLauncher& launcher, platform::StatusBar* statusBar)
        : launcher_(launcher), statusBar_(statusBar) {}

    void start(AddingPassContext& context) override;
    // Nothing waits: the processes run on the launcher's thread.
    void interrupt() override {}

    // The folder of a row's download target, else the user's downloads folder.
    static std::string folderOf(const std::string& target);

private:
    struct Row {
        std::size_t row;
        std::vector<std::string> words;
    };

    // The rows that may run; each refused one is marked so.
    std::vector<Row> linesFor(AddingPassContext& context, const CommandTemplate& commands) const;
    std::string missingProgram(const std::vector<Row>& rows) const;
    platform::ProcessJob jobFor(AddingPassContext& context, Row row);
    void started(AddingRows& rows, std::size_t generation, std::size_t row);
    void ended(AddingRows& rows, std::size_t generation, std::size_t row, const std::string& link,
               const platform::ProcessEnd& end);

    platform::ProcessLauncher& launcher_;
    platform::StatusBar* statusBar_;
    CommandTally tally_;
    // What the launcher's calls posted to the window's thread check: they touch nothing
    // once the pass is gone.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

} // namespace harvex2::core
