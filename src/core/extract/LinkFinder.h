#pragma once

#include "core/extract/ByteSource.h"
#include "core/extract/IgnoreSwitches.h"
#include "core/extract/LinkReader.h"
#include "core/extract/LinkScanner.h"
#include "core/extract/ScanStats.h"
#include "core/shell/SettingsRecord.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// How the links of a page are read: the choices of Parse Options and of extract's options.
struct ReadingChoice {
    bool quickScan = false;
    bool mediaSources = false;    // the full reader only
    bool resolvePageLinks = true; // the full reader only: the quick scan finds no address

    static ReadingChoice of(const SettingsRecord& settings) {
        return {settings.quickScan, settings.mediaSources, settings.resolvePageLinks};
    }
};

// The reader chosen for a run: the full reader, or the quick scanner exactly as it is.
class LinkFinder {
public:
    using Destination = std::function<void(std::string_view link)>;

    LinkFinder(const ReadingChoice& choice, const IgnoreSwitches& switches, Destination destination,
               ScanStats* stats = nullptr);

    ScanCounters scan(ByteSource& source);

    // The address the links of the source last read are to be resolved against: the one
    // the page names as its own, when resolution is chosen; empty otherwise.
    std::string resolvingAddress() const;

    // Makes each relative link of `links`, from index `first` on, absolute against
    // `address`.
    static void resolveAll(const std::string& address, std::vector<std::string>& links,
                           std::size_t first = 0);

private:
    bool resolve_;
    std::optional<LinkScanner> quick_;
    std::optional<LinkReader> full_;
};

} // namespace harvex2::core
