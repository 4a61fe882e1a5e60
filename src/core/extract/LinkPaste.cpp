#include "core/extract/LinkPaste.h"

#include "core/extract/LinkReader.h"
#include "core/extract/MemorySource.h"
#include "core/extract/TextLinks.h"

#include <algorithm>
#include <deque>
#include <string_view>
#include <unordered_set>

namespace harvex2::core {

namespace {

// The text of markup with each tag made a blank, so that only what the page shows is left.
std::string withoutTags(std::string_view html) {
    std::string text;
    text.reserve(html.size());
    for (std::size_t at = 0; at < html.size();) {
        const std::size_t open = std::min(html.find('<', at), html.size());
        text.append(html.substr(at, open - at)).push_back(' ');
        at = std::min(html.find('>', open), html.size() - 1) + 1;
    }
    return text;
}

// A link the selection shows as its text is most often also the link of its anchor: only
// the shown links not already in `links` are added, each once. The set looks into the lists
// themselves, so that no link is copied to be known.
void appendNew(const std::deque<std::string>& shown, std::vector<std::string>& links) {
    std::unordered_set<std::string_view> known(links.begin(), links.end());
    std::vector<const std::string*> added;
    for (const std::string& link : shown) {
        if (known.insert(link).second) {
            added.push_back(&link);
        }
    }
    for (const std::string* link : added) {
        links.push_back(*link);
    }
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
    std::deque<std::string> shown;
    TextLinks text([&](std::string_view link) { shown.emplace_back(link); });
    text.find(withoutTags(html));
    if (!shown.empty()) {
        appendNew(shown, pasted.links);
    }
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
