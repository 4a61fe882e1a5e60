#pragma once

#include "core/handoff/PassCalls.h"
#include "core/ledger/Ledger.h"
#include "platform/WindowThread.h"

#include <functional>
#include <string>
#include <string_view>

namespace harvex2::core {

// The ledger of a running window: read on a thread of its own, so that a long file never
// holds the window, and kept up with what other copies of the program append. Until it has
// been read it knows only what this window recorded.
class LedgerKeeper {
public:
    using Report = std::function<void(const std::string& message)>;

    // `report` hears of a ledger that cannot be read or written (a write failure once, until
    // a write succeeds again); it runs from the window's loop, never inside the call that
    // failed, so a box it opens holds up no hand-off.
    LedgerKeeper(std::string path, platform::WindowThread& windowThread, Report report);

    // Starts reading the file.
    void load();
    bool loaded() const { return loaded_; }
    const Ledger& ledger() const { return ledger_; }

    // A target confirmed `link`.
    void record(std::string_view target, std::string_view link);
    // The target completed the download of `link`.
    void recordDownloaded(std::string_view target, std::string_view link);
    // Takes in what other copies of the program appended; nothing before the file is read.
    void refresh();
    // Hears, from the window's loop, that what the ledger says may have changed: it was
    // read, links were recorded, other copies appended. Several changes in a row are told
    // once.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    void take(Ledger&& loaded);
    void tell(const std::string& message);
    void announce();

    Ledger ledger_;
    Report report_;
    std::function<void()> changed_;
    bool loaded_ = false;
    bool announcing_ = false;
    // Last, so that it is given up first: nothing it would still deliver reaches the rest.
    PassCalls calls_;
};

} // namespace harvex2::core
