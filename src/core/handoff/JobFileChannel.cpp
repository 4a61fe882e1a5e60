#include "core/handoff/JobFileChannel.h"

#include "core/handoff/JobFileManager.h"
#include "core/handoff/NetVampireContract.h"
#include "core/handoff/PassCalls.h"
#include "core/handoff/PassSteps.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

namespace harvex2::core {

namespace {

// Long enough that a slice's own cost is small, short enough that the windows stay smooth.
constexpr std::chrono::milliseconds kSlice{8};

// A job file holds one value per line. Line breaks are dropped, as address parsers drop
// them from a link, rather than let a link write lines of its own into the file.
std::string oneLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    return text;
}

} // namespace

void JobFileChannel::start(AddingPassContext& context, const NetVampireLocation& location,
                           std::function<void()> done) {
    context.window.hidePleaseWait();
    context.window.setCaption(context.settings.realiFast ? "Harvex [RealiFast Mode]" : "Harvex");
    dataFolder_ = location.dataFolder;
    done_ = std::move(done);
    addRows(context, 0);
}

void JobFileChannel::addRows(AddingPassContext& context, std::size_t first) {
    const auto end = std::chrono::steady_clock::now() + kSlice;
    std::size_t row = first;
    for (; row < context.rows.count() && std::chrono::steady_clock::now() < end; ++row) {
        addRow(context, row);
    }
    if (row == context.rows.count()) {
        std::exchange(done_, {})();
        return;
    }
    context.calls->yield([this, &context, row] { addRows(context, row); });
}

void JobFileChannel::addRow(AddingPassContext& context, std::size_t row) {
    manager_.setRootFolder(dataFolder_);
    PassSteps::beginRow(context, row);
    const AddingRow& current = context.rows.at(row);
    const std::string name = manager_.addJob(
        oneLine(current.url), static_cast<std::int8_t>(context.settings.nvJobDefault));
    // The new job is the last one of the list.
    NetVampireJob& job = manager_.job(manager_.jobCount() - 1);
    job.set(kPropertyLocalFolder, oneLine(current.place.folder));
    job.set(kPropertyTitle, "[Harvex] " + oneLine(current.place.fileName));
    context.rows.setStatus(row, name, RowPicture::Added);
    PassSteps::countAdded(context.settings);
    context.window.setProgressPosition(static_cast<int>(row));
}

} // namespace harvex2::core
