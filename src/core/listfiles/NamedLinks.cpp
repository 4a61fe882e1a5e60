#include "core/listfiles/NamedLinks.h"

#include "core/shell/LinkList.h"

namespace harvex2::core {

void NamedLinks::append(LinkList& links, std::vector<std::string> lines) {
    std::vector<std::string> names(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].rfind('\t');
        if (tab != std::string::npos) {
            names[i] = lines[i].substr(tab + 1);
            lines[i].resize(tab);
        }
    }
    const EntryId first = links.appendAll(std::move(lines));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].empty()) {
            links.details().fileNames.set(first + i, std::move(names[i]));
        }
    }
}

} // namespace harvex2::core
