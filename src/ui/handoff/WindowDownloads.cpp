#include "ui/handoff/WindowDownloads.h"

#include "core/handoff/Aria2Session.h"
#include "core/handoff/DownloadFollower.h"
#include "core/ledger/LedgerKeeper.h"
#include "ui/handoff/FollowTimer.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"

#include <algorithm>

namespace harvex2::ui {

// One hand-off's downloads with the timer that drives their follower.
class WindowDownloads::Following {
public:
    Following(WindowDownloads& owner, core::Aria2Downloads downloads)
        : timer_(owner.pace_),
          follower_(*owner.services_.windowThread, timer_,
                    owner.services_.jsonRpc->open({downloads.url, downloads.caFile},
                                                  core::Aria2Session::kTimeout),
                    watchFor(owner.services_, downloads),
                    [&owner, this] { owner.changed(*this); }) {
        timer_.setTick([this] { follower_.tick(); });
    }

    void start() { follower_.start(); }
    const core::DownloadFollower& follower() const { return follower_; }

private:
    static core::DownloadWatch watchFor(AppServices& services, core::Aria2Downloads& downloads) {
        core::DownloadWatch watch(std::move(downloads.downloads), downloads.secret,
                                  std::chrono::hours(std::max(services.settings->followHours, 1)));
        if (core::LedgerKeeper* ledger = services.ledger) {
            watch.setDownloaded([ledger, target = downloads.target](const auto& result) {
                ledger->recordDownloaded(target, result.download.link);
            });
        }
        return watch;
    }

    FollowTimer timer_;
    core::DownloadFollower follower_;
};

WindowDownloads::WindowDownloads(AppServices& services, LinkListModel& model, QObject* parent)
    : QObject(parent), services_(services) {
    services.downloads = this;
    model.setResults(&results_);
}

// The followers give up their requests in flight without waiting for them.
WindowDownloads::~WindowDownloads() = default;

void WindowDownloads::follow(core::Aria2Downloads downloads) {
    pending_.push_back(std::move(downloads));
}

void WindowDownloads::ended(core::EntryId entry, bool succeeded, const std::string& text) {
    if (entry != 0) {
        results_.set(entry,
                     succeeded ? core::DownloadState::Downloaded : core::DownloadState::Failed,
                     succeeded ? std::string() : text);
    }
}

void WindowDownloads::handOffClosed() {
    // Followings that ended are dropped here, never from inside their own report.
    std::erase_if(followings_, [](const auto& f) { return !f->follower().following(); });
    for (core::Aria2Downloads& downloads : std::exchange(pending_, {})) {
        start(std::move(downloads));
    }
}

void WindowDownloads::start(core::Aria2Downloads downloads) {
    auto following = std::make_unique<Following>(*this, std::move(downloads));
    results_.take(following->follower().watch().results());
    followings_.push_back(std::move(following));
    followings_.back()->start();
}

void WindowDownloads::changed(const Following& following) {
    const core::DownloadWatch& watch = following.follower().watch();
    results_.take(watch.results());
    services_.statusBar->setText(platform::StatusPanel::Detail, watch.summary());
}

bool WindowDownloads::following() const {
    return std::ranges::any_of(followings_,
                               [](const auto& f) { return f->follower().following(); });
}

} // namespace harvex2::ui
