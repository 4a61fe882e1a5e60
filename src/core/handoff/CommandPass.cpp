#include "core/handoff/CommandPass.h"

#include "core/handoff/CommandOutcome.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/PassSteps.h"
#include "platform/posix/UserFolders.h"

#include <chrono>
#include <filesystem>
#include <set>

namespace harvex2::core {

std::string CommandPass::folderOf(const std::string& target) {
    const auto separator = target.rfind(DownloadTarget::kSeparator);
    if (separator != std::string::npos && separator > 0) {
        return target.substr(0, separator);
    }
    if (separator == 0) {
        return target.substr(0, 1);
    }
    const std::string downloads = platform::UserFolders::home() + "/Downloads";
    std::error_code error;
    return std::filesystem::is_directory(downloads, error) ? downloads
                                                           : platform::UserFolders::home();
}

void CommandPass::start(AddingPassContext& context) {
    context.allOk = true;
    PassSteps::setUpProgress(context);
    std::string error;
    const auto commands = CommandTemplate::parse(context.settings.commandTemplate, error);
    std::vector<Row> rows;
    if (commands) {
        rows = linesFor(context, *commands);
        error = missingProgram(rows);
    }
    if (!error.empty()) {
        PassSteps::Recover(context, false, error);
        PassSteps::finish(context);
        return;
    }
    std::vector<platform::ProcessJob> jobs;
    for (Row& row : rows) {
        context.rows.setStatus(row.row, "Queued", RowPicture::Added);
        PassSteps::countAdded(context.settings);
        jobs.push_back(jobFor(context, std::move(row)));
    }
    tally_.add(jobs.size());
    const auto timeout = context.settings.commandTimeout;
    launcher_.add(
        std::move(jobs),
        {static_cast<std::size_t>(std::max(context.settings.commandJobs, 1)),
         timeout > 0 ? std::optional(std::chrono::milliseconds(timeout * 1000LL)) : std::nullopt});
    context.window.setProgressPosition(static_cast<int>(context.rows.count()) - 1);
    PassSteps::endOfPass(context);
    PassSteps::finish(context);
}

std::vector<CommandPass::Row> CommandPass::linesFor(AddingPassContext& context,
                                                    const CommandTemplate& commands) const {
    std::vector<Row> lines;
    for (std::size_t row = 0; row < context.rows.count(); ++row) {
        const AddingRow& shown = context.rows.at(row);
        CommandLine line =
            commands.fill(CommandValues::forLink(shown.url, folderOf(shown.target), {}, row + 1));
        if (line.refusal.empty()) {
            lines.push_back({row, std::move(line.words)});
            continue;
        }
        context.rows.setStatus(row, "Refused: " + line.refusal, RowPicture::Refused);
        context.rows.setOutcome(row, RowOutcome::Refused);
        context.allOk = false;
    }
    return lines;
}

std::string CommandPass::missingProgram(const std::vector<Row>& rows) const {
    std::set<std::string> programs;
    for (const Row& row : rows) {
        if (programs.insert(row.words.front()).second) {
            if (std::string message = CommandOutcome::missingProgram(row.words.front(), launcher_);
                !message.empty()) {
                return message;
            }
        }
    }
    return {};
}

platform::ProcessJob CommandPass::jobFor(AddingPassContext& context, Row row) {
    const std::size_t generation = context.rows.generation();
    const std::weak_ptr<char> alive = alive_;
    platform::WindowThread& windowThread = context.windowThread;
    // The rows live as long as the window, and so as long as this pass; the context does not.
    AddingRows& rows = context.rows;
    auto onWindow = [alive, &windowThread](std::function<void()> task) {
        windowThread.post([alive, task = std::move(task)] {
            if (alive.lock()) {
                task();
            }
        });
    };
    return {std::move(row.words),
            [this, &rows, onWindow, generation, at = row.row] {
                onWindow([this, &rows, generation, at] { started(rows, generation, at); });
            },
            [this, &rows, onWindow, generation, at = row.row,
             link = rows.at(row.row).url](const platform::ProcessEnd& end) {
                onWindow([this, &rows, generation, at, link, end] {
                    ended(rows, generation, at, link, end);
                });
            }};
}

void CommandPass::started(AddingRows& rows, std::size_t generation, std::size_t row) {
    if (rows.generation() == generation) {
        rows.setStatus(row, kStarted, RowPicture::Added);
    }
}

void CommandPass::ended(AddingRows& rows, std::size_t generation, std::size_t row,
                        const std::string& link, const platform::ProcessEnd& end) {
    const std::string text = CommandOutcome::text(end);
    tally_.ended(link, end.succeeded(), text);
    if (rows.generation() == generation) {
        rows.setStatus(row, text, end.succeeded() ? RowPicture::Added : RowPicture::Refused);
    }
    if (statusBar_) {
        statusBar_->setText(platform::StatusPanel::Detail, tally_.summary());
    }
}

} // namespace harvex2::core
