#include "core/handoff/RowNaming.h"

#include "core/handoff/AddingRows.h"
#include "core/handoff/LinkNaming.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"

namespace harvex2::core {

void RowNaming::apply(AddingRows& rows, const LinkList& links, const SettingsRecord& settings,
                      const Where& where) {
    const Referrer referrer{static_cast<Referrer::Kind>(settings.referrer), settings.referrerText};
    LinkNaming naming({settings.nameMask, referrer, where.baseUrl, where.date, rows.count()},
                      UniqueNames(UniqueNames::inFolder(where.folder)));
    const bool anyImported = !links.details().fileNames.empty();
    if (naming.idle() && !anyImported) {
        return;
    }
    for (std::size_t row = 0; row < rows.count(); ++row) {
        const AddingRow& current = rows.at(row);
        LinkNaming::Link link{current.url, {}, nullptr, nullptr};
        if (current.source) {
            const EntryId id = current.source->entry;
            link.name = links.details().fileNames.find(id);
            link.counters = links.details().counters.find(id);
            // The list may only have grown since the row was made: the index still holds.
            const std::size_t index = current.source->index;
            if (index < links.count() && links.idAt(index) == id) {
                link.origin = links.originAt(index);
            }
        }
        LinkNaming::Named named = naming.next(link);
        rows.setNaming(row, current.place, std::move(named.name), std::move(named.referrer));
    }
}

} // namespace harvex2::core
