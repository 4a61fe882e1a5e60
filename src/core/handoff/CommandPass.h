#pragma once

#include "core/handoff/CommandDownloads.h"
#include "core/handoff/CommandTemplate.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/TargetPass.h"

#include <string>
#include <vector>

namespace harvex2::core {

// The command target: each row runs the program of the template in Options, a few at a
// time, in the background. A row reads "Queued" once handed over; the window closes as usual
// without waiting for the downloads, whose ends CommandDownloads tells.
class CommandPass : public TargetPass {
public:
    explicit CommandPass(CommandDownloads& downloads) : downloads_(downloads) {}

    void start(AddingPassContext& context) override;
    // Nothing waits: the programs run on the launcher's thread.
    void interrupt() override {}

    // The folder of a row's download target, else the user's downloads folder.
    static std::string folderOf(const SavePlace& place);

private:
    // The rows that may run; each refused one is marked so.
    std::vector<CommandRow> linesFor(AddingPassContext& context,
                                     const CommandTemplate& commands) const;
    std::string missingProgram(const std::vector<CommandRow>& rows) const;

    CommandDownloads& downloads_;
};

} // namespace harvex2::core
