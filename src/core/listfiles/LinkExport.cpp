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
    const bool page = options.format == SaveFormat::HtmlPage;
    std::string lines = page ? LinkPage::head(options.footer) : std::string();
    for (std::size_t i = 0; i < links.count(); ++i) {
        if (!takes(options.scope, links.checkedAt(i))) {
            continue;
        }
        const std::string link = BaseUrl::resolve(options.baseUrl, links.textAt(i));
        if (page) {
            LinkPage::appendItem(lines, link);
        } else {
            lines += link;
            lines += "\r\n";
        }
        if (lines.size() >= (1 << 16)) {
            out.write(lines);
            lines.clear();
        }
    }
    if (page) {
        lines += LinkPage::tail(options.footer);
    }
    out.write(lines);
}

} // namespace harvex2::core
