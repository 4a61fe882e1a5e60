#include "core/ledger/LedgerForget.h"

#include "core/ledger/Ledger.h"
#include "core/ledger/LedgerCompaction.h"
#include "core/ledger/LedgerReader.h"

namespace harvex2::core {

std::vector<LedgerForget::Forgotten> LedgerForget::run(Ledger& ledger, const Test& picks,
                                                       std::string_view target) {
    std::vector<Forgotten> forgotten;
    const std::string name = LedgerLine::storableTarget(target);
    LedgerReader::forEachLine(ledger.path(), [&](std::string_view text) {
        const auto line = LedgerLine::parse(text);
        // A pair picked here is dropped at once, so its other lines pass by.
        if (line && line->kind != LedgerLine::Kind::Forgotten &&
            (name.empty() || line->target == name) && ledger.sentTime(line->link, line->target) &&
            picks(line->link)) {
            forgotten.push_back({std::string(line->target), std::string(line->link)});
            ledger.drop(line->target, line->link);
        }
    });
    for (const Forgotten& pair : forgotten) {
        ledger.forget(pair.target, pair.link);
    }
    if (ledger.compactionDue() && LedgerCompaction::runIfDue(ledger.path())) {
        ledger.setLineCounts(ledger.size(), 0);
    }
    return forgotten;
}

} // namespace harvex2::core
