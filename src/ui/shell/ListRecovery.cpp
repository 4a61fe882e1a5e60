#include "ui/shell/ListRecovery.h"

#include "core/shell/LinkList.h"
#include "platform/Prompts.h"

namespace harvex2::ui {

ListRecovery::ListRecovery(core::LinkList& links, std::string folder, QObject* parent,
                           std::chrono::milliseconds delay)
    : QObject(parent), links_(links), journal_(std::move(folder)), driver_(this) {
    timer_.setInterval(delay);
    connect(&timer_, &QTimer::timeout, this, &ListRecovery::save);
}

void ListRecovery::offerLeftBehind(platform::Prompts& prompts) {
    if (std::optional<core::LinkList::Saved> saved = journal_.claimLeftBehind()) {
        const std::size_t count = saved->entries.size();
        const bool restore =
            count > 0 &&
            prompts.message({platform::MessageIcon::Question,
                             "Harvex2",
                             "Harvex2 did not end properly last time. Restore the list of " +
                                 std::to_string(count) + " links it held?",
                             {platform::MessageButton::Yes, platform::MessageButton::No}}) ==
                platform::MessageButton::Yes;
        if (restore) {
            // The file stays until this copy's first save has replaced it.
            links_.restore(std::move(*saved));
        } else {
            journal_.remove();
        }
    }
    timer_.start();
}

void ListRecovery::save() {
    if (!driver_.running()) {
        if (auto run = journal_.save(links_)) {
            driver_.start(std::move(run), {});
        }
    }
}

void ListRecovery::end() {
    timer_.stop();
    driver_.cancel();
}

void ListRecovery::keepFile() {
    end();
    journal_.saveNow(links_);
    kept_ = true;
}

void ListRecovery::discardFile() {
    end();
    if (!kept_) {
        journal_.remove();
    }
}

} // namespace harvex2::ui
