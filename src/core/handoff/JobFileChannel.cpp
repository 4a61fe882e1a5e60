#include "core/handoff/JobFileChannel.h"

#include "core/handoff/NetVampireContract.h"
#include "core/handoff/PassSteps.h"
#include "core/handoff/TNVManager.h"

#include <algorithm>
#include <cstdint>

namespace harvex2::core {

namespace {

// A Target's folder part ends with its last "\", "/" or ":"; its file part follows.
std::size_t folderLength(const std::string& target) {
    const auto last = std::find_if(target.rbegin(), target.rend(), [](char c) {
        return NetVampireContract::isSeparator(c) || c == ':';
    });
    return static_cast<std::size_t>(target.rend() - last);
}

// A job file holds one value per line. Line breaks are dropped, as address parsers drop
// them from a link, rather than let a link write lines of its own into the file.
std::string oneLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    return text;
}

} // namespace

void JobFileChannel::run(AddingPassContext& context, const NetVampireLocation& location) {
    context.window.hidePleaseWait();
    context.window.setCaption(context.settings.realiFast ? "Harvex [RealiFast Mode]" : "Harvex");
    try {
        for (std::size_t row = 0; row < context.rows.count(); ++row) {
            addRow(context, location.dataFolder, row);
            if (!context.settings.realiFast) {
                context.events.processEvents();
            }
        }
    } catch (const HandoffError&) {
        throw;
    } catch (const std::exception& failure) {
        throw HandoffError(failure.what());
    }
}

void JobFileChannel::addRow(AddingPassContext& context, const std::string& dataFolder,
                            std::size_t row) {
    manager_.setRootFolder(dataFolder);
    PassSteps::beginRow(context, row);
    const AddingRow& current = context.rows.at(row);
    const std::size_t folderPart = folderLength(current.target);
    const std::string name = manager_.addJob(
        oneLine(current.url), static_cast<std::int8_t>(context.settings.nvJobDefault));
    // The new job is the last one of the list.
    tNVJob& job = manager_.job(manager_.jobCount() - 1);
    job.set(kPropertyLocalFolder, oneLine(current.target.substr(0, folderPart)));
    job.set(kPropertyTitle, "[Harvex] " + oneLine(current.target.substr(folderPart)));
    context.rows.setStatus(row, name, RowPicture::Added);
    PassSteps::countAdded(context.settings);
    context.window.setProgressPosition(static_cast<int>(row));
}

} // namespace harvex2::core
