#include "core/extract/LinkPaste.h"

#include "core/extract/LinkReader.h"
#include "core/extract/MemorySource.h"
#include "core/extract/TextLinks.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace harvex2::core {

namespace {

// The text of markup with its tags taken out, so that only what the page shows is left.
std::string withoutTags(std::string_view html) {
    std::string text;
    text.reserve(html.size());
    bool inTag = false;
    for (const char c : html) {
        if (c == '<' || c == '>') {
            inTag = c == '<';
            text += ' ';
        } else if (!inTag) {
            text += c;
        }
    }
    return text;
}

template <typename EachLine> void forEachLine(std::string_view text, EachLine eachLine) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        eachLine(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

PastedLinks LinkPaste::read(const OfferedText& offered, const ReadingChoice& reading,
                            const IgnoreSwitches& switches) {
    for (const auto* payload : {&offered.html, &offered.uriList, &offered.plain}) {
        if (*payload && (*payload)->size() > kLargest) {
            return {.links = {}, .origin = {}, .leftOut = 0, .tooLarge = true};
        }
    }
    PastedLinks first;
    bool tried = false;
    const auto tryFormat = [&](PastedLinks pasted) {
        pasted.origin = offered.pageAddress;
        if (!tried) {
            first = pasted;
            tried = true;
        }
        return !pasted.links.empty() ? std::optional(std::move(pasted)) : std::nullopt;
    };
    if (offered.html) {
        if (auto found =
                tryFormat(fromHtml(*offered.html, offered.pageAddress, reading, switches))) {
            return *found;
        }
    }
    if (offered.uriList) {
        if (auto found = tryFormat(fromUriList(*offered.uriList))) {
            return *found;
        }
    }
    if (offered.plain) {
        if (auto found = tryFormat(fromText(*offered.plain))) {
            return *found;
        }
    }
    return first;
}

PastedLinks LinkPaste::fromHtml(const std::string& html, const std::string& pageAddress,
                                const ReadingChoice& reading, const IgnoreSwitches& switches) {
    PastedLinks pasted;
    LinkReader reader(switches, reading.mediaSources,
                      [&](std::string_view link) { pasted.links.emplace_back(link); });
    MemorySource source(html);
    pasted.leftOut = static_cast<std::size_t>(reader.scan(source).linksIgnored);
    const std::string address = pageAddress.empty() ? reader.pageAddress() : pageAddress;
    if (!address.empty()) {
        LinkFinder::resolveAll(address, pasted.links);
    }
    // A link the selection shows as its text is most often also the link of its anchor.
    std::unordered_set<std::string> known(pasted.links.begin(), pasted.links.end());
    TextLinks text([&](std::string_view link) {
        if (known.emplace(link).second) {
            pasted.links.emplace_back(link);
        }
    });
    text.find(withoutTags(html));
    return pasted;
}

PastedLinks LinkPaste::fromUriList(const std::string& list) {
    PastedLinks pasted;
    forEachLine(list, [&](std::string_view line) {
        if (!line.empty() && line.front() != '#') {
            pasted.links.emplace_back(line);
        }
    });
    return pasted;
}

PastedLinks LinkPaste::fromText(const std::string& text) {
    PastedLinks pasted;
    TextLinks finder([&](std::string_view link) { pasted.links.emplace_back(link); });
    forEachLine(text, [&](std::string_view line) {
        if (finder.find(line) == 0 && !isBlank(line)) {
            ++pasted.leftOut;
        }
    });
    return pasted;
}

void LinkPaste::append(const PastedLinks& pasted, LinkList& list, platform::StatusBar& statusBar) {
    list.appendAll(pasted.links, pasted.origin);
    statusBar.setText(platform::StatusPanel::State, "Pasted");
    statusBar.setText(platform::StatusPanel::Detail,
                      "Links added: " + std::to_string(pasted.links.size()) +
                          ", left out: " + std::to_string(pasted.leftOut));
}

} // namespace harvex2::core
