#pragma once

#include "core/extract/HtmlFile.h"
#include "core/extract/LinkFinder.h"
#include "core/extract/ScanStats.h"
#include "core/extract/SettingsSwitches.h"
#include "core/shell/SettingsRecord.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace harvex2::core {

// One page read on a worker thread, so that however long the file, the window's thread
// only takes what was read, a piece at a time. The settings are the ones given at the
// start: a change in Options applies to the next page.
class ParseHtmlScan {
public:
    struct Piece {
        std::vector<std::string> links;
        ScanCounters counters;
        bool last = false;
        // With the last piece: the page's address its links were resolved against, if any.
        std::string address;
    };

    // Starts reading at once. With `holdToEnd`, every link comes with the last piece;
    // otherwise each comes with the piece it was read in.
    ParseHtmlScan(std::unique_ptr<HtmlFile> file, const SettingsRecord& settings, bool holdToEnd);
    // Ends the reading at its next piece and waits for it.
    ~ParseHtmlScan();
    ParseHtmlScan(const ParseHtmlScan&) = delete;
    ParseHtmlScan& operator=(const ParseHtmlScan&) = delete;

    // The next piece read, waiting at most `wait` for it; nothing when none came in time.
    std::optional<Piece> next(std::chrono::milliseconds wait);
    // The reading ends at its next piece, as at the end of the file; the last piece
    // still comes.
    void stop();

private:
    class Reporter;
    class StoppableSource;

    void read();
    void hand(Piece piece);

    std::unique_ptr<HtmlFile> file_;
    const SettingsRecord settings_;
    const SettingsSwitches switches_{settings_};
    const bool holdToEnd_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Piece> pieces_;
    std::thread worker_; // last: it starts once everything above is ready
};

} // namespace harvex2::core
