#pragma once

#include "core/extract/ParseHtmlScan.h"
#include "core/extract/ScanStats.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "core/shell/SlicedRun.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace harvex2::core {

// What a Parse HTML run shows while it goes.
class ParseHtmlObserver {
public:
    virtual ~ParseHtmlObserver() = default;
    // After each piece of the file; the links counted so far are in the link list.
    virtual void progressed(const ScanCounters& counters) = 0;
    // Once, at the end: the final counters, and whether the whole file was read (not when
    // the run was cancelled).
    virtual void ended(const ScanCounters& counters, bool whole) = 0;
};

// The Parse HTML run: reads the file at `path`, appends every kept link to the end of the
// link list, follows the counters through the observer and reports the result on the
// status bar. The links of a page that names its own address reach the list once the
// whole page is read, resolved against it, with it as their origin. A cancelled run keeps
// what it has read.
class ParseHtmlRun final : public SlicedRun {
public:
    // How long a slice waits for the reader's next piece.
    static constexpr std::chrono::milliseconds kWait{4};

    // Opens the file and starts reading it with the settings as they stand now. A file
    // that cannot be opened is reported in a box, naming it and the reason, changes
    // nothing and gives no run.
    static std::unique_ptr<ParseHtmlRun>
    start(const std::string& path, const SettingsRecord& settings, LinkList& links,
          ParseHtmlObserver& observer, platform::Prompts& prompts, platform::StatusBar& statusBar);

    ParseHtmlRun(const std::string& path, std::unique_ptr<HtmlFile> file,
                 const SettingsRecord& settings, LinkList& links, ParseHtmlObserver& observer,
                 platform::StatusBar& statusBar);

    bool advance() override;
    void cancel() override;

private:
    bool finish();

    std::string fileName_;
    LinkList& links_;
    ParseHtmlObserver& observer_;
    platform::StatusBar& statusBar_;
    ParseHtmlScan scan_;
    ParseHtmlScan::Piece piece_;
    std::size_t appended_ = 0;
    bool taking_ = false; // piece_'s links are being appended
    bool cancelled_ = false;
};

// Appends `links` from index `from` on, as many as one slice should take, with `origin`;
// returns where the next part starts. A page's links can be millions.
std::size_t appendPart(LinkList& list, std::vector<std::string>& links, std::size_t from,
                       const std::string& origin);

// The text that reports a file of a multiple-file run that could not be opened: the
// system's error number, then the file and why.
std::string ParseHTMLFileError(const std::string& sourcePath, int error);

} // namespace harvex2::core
