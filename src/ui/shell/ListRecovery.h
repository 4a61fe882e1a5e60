#pragma once

#include "core/shell/RecoveryJournal.h"
#include "ui/platform/RunDriver.h"

#include <chrono>
#include <string>

#include <QObject>
#include <QTimer>

namespace harvex2::core {
class LinkList;
}
namespace harvex2::platform {
class Prompts;
}

namespace harvex2::ui {

// Keeps the main window's list in a recovery file a few seconds behind, saved in slices
// from the event loop, so that a crash or a kill loses at most those seconds.
class ListRecovery : public QObject {
public:
    static constexpr std::chrono::milliseconds kDelay{3000};

    ListRecovery(core::LinkList& links, std::string folder, QObject* parent,
                 std::chrono::milliseconds delay = kDelay);

    // Offers the list of one copy of the program that ended without closing its window,
    // then starts keeping this copy's list.
    void offerLeftBehind(platform::Prompts& prompts);
    // The program ends without its window's close, as at a logout: the file is brought
    // up to date and stays for the next start.
    void keepFile();
    // The user closed the program: nothing is left to recover, unless keepFile() came first.
    void discardFile();
    const std::string& path() const { return journal_.path(); }

private:
    void save();
    void end();

    core::LinkList& links_;
    core::RecoveryJournal journal_;
    RunDriver driver_;
    QTimer timer_;
    bool kept_ = false;
};

} // namespace harvex2::ui
