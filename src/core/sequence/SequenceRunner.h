#pragma once

#include "core/handoff/RepaintPace.h"
#include "core/sequence/SequenceDialogPort.h"
#include "core/sequence/SequenceSeries.h"
#include "core/sequence/SequenceSink.h"
#include "platform/EventPump.h"

#include <chrono>

namespace harvex2::core {

// Makes every URL of a series and hands it to a sink. Whenever the pace says so it lets the
// sink pass its URLs on, moves the progress bar and lets the windows handle their events,
// so the dialog stays painted while a long series is made.
class SequenceRunner {
public:
    static constexpr std::chrono::milliseconds kInterval{40};

    SequenceRunner(SequenceDialogPort& dialog, platform::EventPump& events, RepaintPace& pace)
        : dialog_(dialog), events_(events), pace_(pace) {}

    void run(const SequenceSeries& series, SequenceSink& sink);

private:
    void report(const SequenceSeries& series, SequenceSink& sink, std::uint64_t done);

    SequenceDialogPort& dialog_;
    platform::EventPump& events_;
    RepaintPace& pace_;
};

} // namespace harvex2::core
