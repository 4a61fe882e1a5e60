#pragma once

#include "core/shell/LinkList.h"
#include "core/shell/SlicedRun.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace harvex2::core {

// How far the recovery file has caught up with the list.
struct RecoveryMark {
    std::uint64_t revision = 0;
    std::size_t entries = 0;
    OriginTable::Index origins = 0;
    // False until a whole file stands, and again after a failed write: the next save then
    // writes the file whole rather than adding to one that may be damaged.
    bool whole = false;
};

// Brings the recovery file up to date with the list a slice at a time. Where only appends
// happened since the last save, it adds them at the file's end; otherwise it writes the
// whole list beside the file and puts it in the file's place at the end. A change other
// than an append meanwhile ends the run unfinished, and the next run starts over.
class RecoverySave : public SlicedRun {
public:
    RecoverySave(const LinkList& links, const std::string& path, RecoveryMark& mark);
    ~RecoverySave() override;
    RecoverySave(const RecoverySave&) = delete;
    RecoverySave& operator=(const RecoverySave&) = delete;

    bool advance() override;
    // Ends the run at once, so that another save may follow straight away.
    void cancel() override;

private:
    bool flush();
    void finish();
    void abandon();

    const LinkList& links_;
    std::string path_;
    std::string writing_;
    RecoveryMark& mark_;
    RecoveryMark target_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::size_t next_;
};

} // namespace harvex2::core
