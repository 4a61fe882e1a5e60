#include "core/extract/DroppedLinks.h"

namespace harvex2::core {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool DroppedLinks::isWebLink(std::string_view link) {
    for (const std::string_view scheme : {"http://", "https://", "ftp://"}) {
        if (startsWithIgnoringCase(link, scheme)) {
            return true;
        }
    }
    return false;
}

void DroppedLinks::append(const std::vector<std::string>& links, LinkList& list,
                          platform::StatusBar& statusBar) {
    list.appendAll(links);
    statusBar.setText(platform::StatusPanel::State, "Loaded");
    statusBar.setText(platform::StatusPanel::Detail,
                      "Links extracted: " + std::to_string(links.size()));
}

} // namespace harvex2::core
