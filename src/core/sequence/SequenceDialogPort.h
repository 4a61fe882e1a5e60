#pragma once

#include "core/sequence/SequenceSink.h"

#include <cstdint>
#include <string>

namespace harvex2::core {

enum class SequenceRunKind { None, Test, Add };

// What the Test and Add runs do to the Add Sequential Files dialog.
class SequenceDialogPort {
public:
    virtual ~SequenceDialogPort() = default;
    // Shows "Please wait..." during a run and keeps what the run must not change disabled;
    // None ends a run. The dialog repaints at once.
    virtual void setRunning(SequenceRunKind kind) = 0;
    virtual void setProgressMaximum(std::uint64_t maximum) = 0;
    virtual void setProgressPosition(std::uint64_t position) = 0;
    // Empties the preview; the returned sink fills it, with download paths under
    // `downloadDir`.
    virtual SequenceSink& clearPreview(const std::string& downloadDir) = 0;
    // The main window's Download directory box.
    virtual void setMainDownloadDirectory(const std::string& directory) = 0;
    virtual void closeWithOk() = 0;
};

} // namespace harvex2::core
