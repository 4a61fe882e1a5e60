#include "core/handoff/CommandPass.h"

#include "core/handoff/CommandOutcome.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/PassSteps.h"
#include "platform/posix/UserFolders.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>

namespace harvex2::core {

namespace {

platform::ProcessLimits limitsOf(const SettingsRecord& settings) {
    const auto timeout = settings.commandTimeout;
    return {static_cast<std::size_t>(std::max(settings.commandJobs, 1)),
            timeout > 0 ? std::optional(std::chrono::milliseconds(timeout * 1000LL))
                        : std::nullopt};
}

} // namespace

std::string CommandPass::folderOf(const SavePlace& place) {
    if (!place.folder.empty()) {
        // The folder ends in a separator; the root keeps its own.
        return place.folder.substr(0, std::max<std::size_t>(place.folder.size() - 1, 1));
    }
    const std::string downloads = platform::UserFolders::home() + "/Downloads";
    std::error_code error;
    return std::filesystem::is_directory(downloads, error) ? downloads
                                                           : platform::UserFolders::home();
}

void CommandPass::start(AddingPassContext& context) {
    if (downloads_.launcher() == nullptr) {
        throw HandoffError("No program can be started from here.");
    }
    context.allOk = true;
    PassSteps::setUpProgress(context);
    std::string error;
    const auto commands = CommandTemplate::parse(context.settings.commandTemplate, error);
    std::vector<CommandRow> rows;
    if (commands) {
        rows = linesFor(context, *commands);
        error = missingProgram(rows);
    }
    if (!error.empty()) {
        PassSteps::Recover(context, false, error, [&context] { PassSteps::finish(context); });
        return;
    }
    for (const CommandRow& row : rows) {
        context.rows.setStatus(row.row, "Queued", RowPicture::Added);
        PassSteps::countAdded(context.settings);
    }
    downloads_.run(std::move(rows), context.rows, context.windowThread, limitsOf(context.settings),
                   context.reports);
    context.window.setProgressPosition(static_cast<int>(context.rows.count()) - 1);
    PassSteps::endOfPass(context);
}

std::vector<CommandRow> CommandPass::linesFor(AddingPassContext& context,
                                              const CommandTemplate& commands) const {
    std::vector<CommandRow> lines;
    for (std::size_t row = 0; row < context.rows.count(); ++row) {
        const AddingRow& shown = context.rows.at(row);
        const CommandValues values = CommandValues::forLink(
            shown.url, folderOf(shown.place), shown.givenName, shown.referrer, row + 1);
        FilledCommand line = commands.fill(values);
        if (line.refusal.empty() && values.makeNameFolders(line.refusal)) {
            lines.push_back({row, std::move(line.words)});
            continue;
        }
        context.rows.setStatus(row, "Refused: " + line.refusal, RowPicture::Refused);
        context.rows.setOutcome(row, RowOutcome::Refused);
        context.allOk = false;
    }
    return lines;
}

std::string CommandPass::missingProgram(const std::vector<CommandRow>& rows) const {
    std::set<std::string> programs;
    for (const CommandRow& row : rows) {
        if (programs.insert(row.words.front()).second) {
            if (std::string message =
                    CommandOutcome::missingProgram(row.words.front(), *downloads_.launcher());
                !message.empty()) {
                return message;
            }
        }
    }
    return {};
}

} // namespace harvex2::core
