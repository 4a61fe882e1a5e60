#pragma once

#include "core/extract/IgnoreSwitches.h"
#include "core/extract/LinkFinder.h"
#include "core/extract/ScanStats.h"
#include "core/shell/LinkList.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"

#include <string>
#include <vector>

namespace harvex2::core {

// The Parse HTML run: reads the file at `sourcePath`, appends every kept link to the end
// of the link list, follows the counters through `stats` and reports the result on the
// status bar. A file that cannot be opened is reported in a box, naming it and the reason,
// and changes nothing. The links of a page that names its own address reach the list once
// the whole page is read, resolved against it, with it as their origin. Returns whether the
// file was parsed.
bool ParseHTML(const std::string& sourcePath, const ReadingChoice& choice,
               const IgnoreSwitches& switches, LinkList& links, ScanStats& stats,
               platform::Prompts& prompts, platform::StatusBar& statusBar);

// The run for one file of a multiple-file parse: kept links go to `staging`, resolved
// against the page's own address when it names one; that address is set in `address`
// (empty for none). No counters and no status. Returns 0, or the platform::IoError code of
// a file that could not be opened.
int ParseHTMLFile(const std::string& sourcePath, const ReadingChoice& choice,
                  const IgnoreSwitches& switches, std::vector<std::string>& staging,
                  std::string& address);
// The text that reports such a file: the system's error number, then the file and why.
std::string ParseHTMLFileError(const std::string& sourcePath, int error);

} // namespace harvex2::core
