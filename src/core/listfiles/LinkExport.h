#pragma once

#include "core/listfiles/SaveChoice.h"

#include <string>

namespace harvex2::platform {
class ReplacingFile;
}

namespace harvex2::core {

class LinkList;

// Writes the HTML page or the plain-text list: the entries the scope takes, in list
// order, each relative one joined to `baseUrl` (left as it is when that is empty).
// Throws platform::IoError.
class LinkExport {
public:
    struct Options {
        SaveFormat format = SaveFormat::PlainText; // HtmlPage or PlainText
        SaveScope scope = SaveScope::All;
        std::string baseUrl;
        PageFooter footer; // HTML page only
    };

    static void write(platform::ReplacingFile& out, const LinkList& links, const Options& options);

    // What comes before the first entry and after the last.
    static std::string head(const Options& options);
    static std::string tail(const Options& options);
    // The line of the entry at `index`, when the scope takes it.
    static void appendEntry(std::string& out, const LinkList& links, std::size_t index,
                            const Options& options);

private:
    static bool takes(SaveScope scope, bool checked);
};

} // namespace harvex2::core
