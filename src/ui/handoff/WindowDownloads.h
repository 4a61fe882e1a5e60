#pragma once

#include "core/handoff/DownloadReports.h"
#include "core/handoff/EntryResults.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>

namespace harvex2::ui {

struct AppServices;
class LinkListModel;

// The main window's following of what its hand-offs started: the downloads aria2 accepted,
// asked about until they end, and the command target's programs as they end. Each entry's
// result shows in its tooltip, and the status bar sums them up.
class WindowDownloads : public QObject, public core::DownloadReports {
    Q_OBJECT
public:
    // Makes itself the services' downloads.
    WindowDownloads(AppServices& services, LinkListModel& model, QObject* parent);
    ~WindowDownloads() override;

    // Kept until the Adding window has closed: its own end-of-pass texts come first.
    void follow(core::Aria2Downloads downloads) override;
    void ended(core::EntryId entry, bool succeeded, const std::string& text) override;
    // The Adding window closed: what it handed over is followed from now on.
    void handOffClosed();
    bool following() const;

    // How often aria2 is asked; none: as often as the follower asks (tests shorten it).
    void setPace(std::optional<std::chrono::milliseconds> pace) { pace_ = pace; }

private:
    class Following;

    void start(core::Aria2Downloads downloads);
    void changed(const Following& following);

    AppServices& services_;
    core::EntryResults results_;
    std::optional<std::chrono::milliseconds> pace_;
    std::vector<core::Aria2Downloads> pending_;
    std::vector<std::unique_ptr<Following>> followings_;
};

} // namespace harvex2::ui
