#pragma once

#include "core/sequence/SequenceDialogPort.h"
#include "core/sequence/SequenceSeries.h"
#include "core/sequence/SequenceSink.h"
#include "core/shell/SlicedRun.h"

#include <cstdint>
#include <string>

namespace harvex2::core {

// Makes every URL of a series and hands it to a sink, a slice at a time. After each slice
// the sink may pass its URLs on and the dialog's progress bar moves, so the dialog stays
// painted while a long series is made.
class SequenceRun final : public SlicedRun {
public:
    // A few hundred microseconds of work per slice on an ordinary machine.
    static constexpr std::uint64_t kSlice = 4096;

    enum class End { Running, Done, Cancelled, OutOfMemory };

    // Sets the progress bar's range and empties it. `end` tells how the run ended; it
    // outlives the run, which its driver may drop before looking.
    SequenceRun(const SequenceSeries& series, SequenceSink& sink, SequenceDialogPort& dialog,
                End& end);

    bool advance() override;
    void cancel() override { cancelled_ = true; }

private:
    bool makeSlice();

    const SequenceSeries& series_;
    SequenceSink& sink_;
    SequenceDialogPort& dialog_;
    std::string url_;
    End& end_;
    std::uint64_t next_ = 0;
    bool cancelled_ = false;
};

} // namespace harvex2::core
