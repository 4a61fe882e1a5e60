#include "core/sequence/SequenceRunner.h"

#include <string>

namespace harvex2::core {

namespace {
// Reading the clock for every URL would cost more than making most URLs.
constexpr std::uint64_t kClockEvery = 256;
} // namespace

void SequenceRunner::run(const SequenceSeries& series, SequenceSink& sink) {
    dialog_.setProgressMaximum(series.progressMaximum());
    dialog_.setProgressPosition(0);
    std::string url;
    pace_.restart();
    const std::uint64_t count = series.count();
    for (std::uint64_t index = 0; index < count; ++index) {
        series.urlAt(index, url);
        sink.append(url);
        if ((index + 1) % kClockEvery == 0 && pace_.due()) {
            report(series, sink, index + 1);
        }
    }
    sink.finish();
    dialog_.setProgressPosition(series.progressAfter(count));
}

void SequenceRunner::report(const SequenceSeries& series, SequenceSink& sink, std::uint64_t done) {
    sink.flush();
    dialog_.setProgressPosition(series.progressAfter(done));
    events_.processEvents();
}

} // namespace harvex2::core
