#include "core/ledger/LedgerCompaction.h"

#include "core/ledger/Ledger.h"
#include "core/ledger/LedgerReader.h"
#include "platform/posix/FileLock.h"
#include "platform/posix/ReplacingFile.h"

namespace harvex2::core {

bool LedgerCompaction::runIfDue(const std::string& path) {
    Ledger live(path);
    const platform::FileLock lock(live.lockPath(), Ledger::kLockWait);
    live.load();
    if (!live.compactionDue()) {
        return false;
    }
    platform::ReplacingFile out(path);
    LedgerReader::forEachLine(path, [&](std::string_view text) {
        const auto line = LedgerLine::parse(text);
        if (!line || line->kind == LedgerLine::Kind::Forgotten ||
            live.sentTime(line->link, line->target) != line->time) {
            return;
        }
        out.write(text);
        out.write("\n");
        // Written once: a later line with the same time is a copy.
        live.drop(line->target, line->link);
    });
    out.commit();
    return true;
}

} // namespace harvex2::core
