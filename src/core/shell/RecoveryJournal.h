#pragma once

#include "core/shell/RecoverySave.h"

#include <memory>
#include <optional>
#include <string>

namespace harvex2::core {

class LinkList;

// The running program's recovery file, `list-PID` in the recovery folder: the list as it
// stood a few seconds ago, for the next start should this run end without closing its
// window. Each running copy writes only its own file.
class RecoveryJournal {
public:
    // $XDG_STATE_HOME/harvex2, else $HOME/.local/state/harvex2; empty when neither is set.
    static std::string standardFolder();
    static std::string fileName(int pid) { return "list-" + std::to_string(pid); }

    explicit RecoveryJournal(std::string folder);

    const std::string& path() const { return path_; }
    // A run that brings the file up to the list, or null when it is up to date.
    std::unique_ptr<SlicedRun> save(const LinkList& links);
    // Brings the file up to the list at once.
    void saveNow(const LinkList& links);
    void remove();

    // Takes over a file that a copy of the program which is gone left in `folder`, by
    // renaming it to this copy's own name, so that no other copy takes it too. Its contents
    // are read whole; the file stays until remove() or the next save.
    std::optional<LinkList::Saved> claimLeftBehind();

private:
    void removeUnfinished() const;

    std::string folder_;
    std::string path_;
    RecoveryMark mark_;
};

} // namespace harvex2::core
