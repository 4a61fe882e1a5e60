#pragma once

#include "core/handoff/DownloadWatch.h"

#include <string>
#include <vector>

namespace harvex2::core {

// The links aria2 took in one pass, with what it takes to ask about them later.
struct Aria2Downloads {
    // As the ledger names the target.
    std::string target;
    std::string url;
    std::string secret;
    std::string caFile;
    std::vector<FollowedDownload> downloads;
};

// Where downloads that outlive their pass report: the main window, which follows them to
// their end and tells the user.
class DownloadReports {
public:
    virtual ~DownloadReports() = default;
    // aria2 accepted these links; whether they arrive is learnt later.
    virtual void follow(Aria2Downloads downloads) = 0;
    // A program of the command target ended; `text` says how.
    virtual void ended(EntryId entry, bool succeeded, const std::string& text) = 0;
};

} // namespace harvex2::core
