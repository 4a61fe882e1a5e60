#pragma once

#include "core/extract/IgnoreSwitches.h"
#include "core/extract/LinkFinder.h"
#include "core/shell/LinkList.h"
#include "platform/StatusBar.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// What the clipboard or a drop offers, as bytes; a format not offered is absent.
struct OfferedText {
    std::optional<std::string> html;
    std::optional<std::string> uriList;
    std::optional<std::string> plain;
    std::string pageAddress; // the address of the page copied from, empty when unknown
};

struct PastedLinks {
    std::vector<std::string> links;
    std::string origin;      // the address of the page copied from, empty when unknown
    std::size_t leftOut = 0; // left out by the ignore rules, or lines that held no link
    bool tooLarge = false;
};

// Links taken from what the user copied or dropped. The formats are tried in order, HTML,
// URI list, plain text, the first that yields a link winning; only HTML goes through the
// ignore rules, since a list or a text the user copied is taken as it is.
class LinkPaste {
public:
    static constexpr std::size_t kLargest = std::size_t{64} << 20;
    static constexpr const char* kTooLarge =
        "What was pasted is larger than 64 MB. No links were added.";

    static PastedLinks read(const OfferedText& offered, const ReadingChoice& reading,
                            const IgnoreSwitches& switches);
    // Appends the links unchecked and reports on the status bar.
    static void append(const PastedLinks& pasted, LinkList& list, platform::StatusBar& statusBar);

private:
    static PastedLinks fromHtml(const std::string& html, const std::string& pageAddress,
                                const ReadingChoice& reading, const IgnoreSwitches& switches);
    static PastedLinks fromUriList(const std::string& list);
    static PastedLinks fromText(const std::string& text);
};

} // namespace harvex2::core
