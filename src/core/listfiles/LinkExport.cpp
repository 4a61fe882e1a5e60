#include "core/listfiles/LinkExport.h"

#include "core/extract/BaseUrl.h"
#include "core/listfiles/LinkPage.h"
#include "core/shell/LinkList.h"
#include "platform/posix/ReplacingFile.h"

namespace harvex2::core {

bool LinkExport::takes(SaveScope scope, bool checked) {
    switch (scope) {
    case SaveScope::Selected:
        return checked;
    case SaveScope::Unselected:
        return !checked;
    case SaveScope::All:
        break;
    }
    return true;
}

void LinkExport::write(platform::ReplacingFile& out, const LinkList& links,
                       const Options& options) {
    std::string lines = head(options);
    for (std::size_t i = 0; i < links.count(); ++i) {
        appendEntry(lines, links, i, options);
        if (lines.size() >= (1 << 16)) {
            out.write(lines);
            lines.clear();
        }
    }
    lines += tail(options);
    out.write(lines);
}

std::string LinkExport::head(const Options& options) {
    return options.format == SaveFormat::HtmlPage ? LinkPage::head(options.footer) : std::string();
}

std::string LinkExport::tail(const Options& options) {
    return options.format == SaveFormat::HtmlPage ? LinkPage::tail(options.footer) : std::string();
}

void LinkExport::appendEntry(std::string& out, const LinkList& links, std::size_t index,
                             const Options& options) {
    if (!takes(options.scope, links.checkedAt(index))) {
        return;
    }
    const std::string link = BaseUrl::resolve(options.baseUrl, links.textAt(index));
    if (options.format == SaveFormat::HtmlPage) {
        LinkPage::appendItem(out, link);
    } else {
        out += link;
        out += "\r\n";
    }
}

} // namespace harvex2::core
