#include "core/handoff/RowNaming.h"

#include "core/handoff/AddingRows.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/LinkNaming.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"

namespace harvex2::core {

void RowNaming::apply(AddingRows& rows, const LinkList& links, const SettingsRecord& settings,
                      const Where& where) {
    const Referrer referrer{static_cast<Referrer::Kind>(settings.referrer), settings.referrerText};
    LinkNaming naming({settings.nameMask, referrer, where.baseUrl, where.date, rows.count()},
                      UniqueNames(UniqueNames::inFolder(where.folder)));
    const bool hasFolder = where.folder.find_first_not_of(' ') != std::string::npos;
    const bool anyImported = !links.details().fileNames.empty();
    if (naming.idle() && !anyImported) {
        return;
    }
    for (std::size_t row = 0; row < rows.count(); ++row) {
        const AddingRow& current = rows.at(row);
        LinkNaming::Link link{current.url, {}, nullptr, nullptr};
        // The list may only have grown since the row was made: the index still holds.
        if (current.listIndex && *current.listIndex < links.count()) {
            const std::size_t index = *current.listIndex;
            const EntryId id = links.idAt(index);
            link.origin = links.originAt(index);
            link.name = links.details().fileNames.find(id);
            link.counters = links.details().counters.find(id);
        }
        LinkNaming::Named named = naming.next(link);
        std::string target = named.name.empty() || !hasFolder
                                 ? current.target
                                 : DownloadTarget::forName(where.folder, named.name);
        rows.setNaming(row, std::move(target), std::move(named.name), std::move(named.referrer));
    }
}

} // namespace harvex2::core
