#include "core/handoff/CommandDownloads.h"

#include "core/handoff/CommandOutcome.h"

namespace harvex2::core {

void CommandDownloads::run(std::vector<CommandRow> commands, AddingRows& rows,
                           platform::WindowThread& windowThread,
                           const platform::ProcessLimits& limits, DownloadReports* reports) {
    std::vector<platform::ProcessJob> jobs;
    jobs.reserve(commands.size());
    for (CommandRow& command : commands) {
        jobs.push_back(jobFor(std::move(command), rows, windowThread, reports));
    }
    tally_.add(jobs.size());
    launcher_->add(std::move(jobs), limits);
}

platform::ProcessJob CommandDownloads::jobFor(CommandRow command, AddingRows& rows,
                                              platform::WindowThread& windowThread,
                                              DownloadReports* reports) {
    const std::size_t generation = rows.generation();
    auto onWindow = [alive = std::weak_ptr<char>(alive_),
                     &windowThread](std::function<void()> task) {
        windowThread.post([alive, task = std::move(task)] {
            if (alive.lock()) {
                task();
            }
        });
    };
    const std::size_t at = command.row;
    const AddingRow& row = rows.at(at);
    Listener listener{row.url, row.source ? row.source->entry : 0, reports};
    return {std::move(command.words),
            [this, &rows, onWindow, generation, at] {
                onWindow([this, &rows, generation, at] { started(rows, generation, at); });
            },
            [this, &rows, onWindow, generation, at,
             listener = std::move(listener)](const platform::ProcessEnd& end) {
                onWindow([this, &rows, generation, at, listener, end] {
                    ended(rows, generation, at, listener, end);
                });
            }};
}

void CommandDownloads::started(AddingRows& rows, std::size_t generation, std::size_t row) {
    if (rows.generation() == generation) {
        rows.setStatus(row, kStarted, RowPicture::Added);
    }
}

void CommandDownloads::ended(AddingRows& rows, std::size_t generation, std::size_t row,
                             const Listener& listener, const platform::ProcessEnd& end) {
    const std::string text = CommandOutcome::text(end);
    tally_.ended(listener.link, end.succeeded(), text);
    if (listener.reports) {
        listener.reports->ended(listener.entry, end.succeeded(), text);
    }
    if (rows.generation() == generation) {
        rows.setStatus(row, text, end.succeeded() ? RowPicture::Added : RowPicture::Refused);
    }
    if (statusBar_) {
        statusBar_->setText(platform::StatusPanel::Detail, tally_.summary());
    }
}

} // namespace harvex2::core
