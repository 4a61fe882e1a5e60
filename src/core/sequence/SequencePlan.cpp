#include "core/sequence/SequencePlan.h"

#include "core/sequence/SequenceError.h"
#include "platform/IntegerText.h"

#include <algorithm>

namespace harvex2::core {

namespace {

using platform::IntegerText;

char markerOf(const SequenceFields& fields) {
    if (const auto marker = fields.marker()) {
        return *marker;
    }
    throw MissingMarkerError();
}

int positionsOf(const SequenceFields& fields) {
    return fields.zeros ? IntegerText::parse(fields.zerosCount) : 0;
}

} // namespace

SequencePlan::SequencePlan(const SequenceFields& fields)
    : SequencePlan(fields, readBounds(fields)) {}

// Members are made in their declared order: template, padding, then the range with Step.
SequencePlan::SequencePlan(const SequenceFields& fields, Bounds bounds)
    : template_(fields.url, markerOf(fields)), padding_(positionsOf(fields)),
      range_(bounds.start, bounds.goTo, IntegerText::parse(fields.step)),
      downloadDir_(fields.downloadDir) {}

SequencePlan::Bounds SequencePlan::readBounds(const SequenceFields& fields) {
    const std::int32_t start = IntegerText::parse(fields.start);
    return {start, IntegerText::parse(fields.end)};
}

void SequencePlan::urlAt(std::uint64_t index, std::string& out) const {
    template_.compose(padding_.format(range_.numberAt(index), digits_), out);
}

std::optional<std::string> SequencePlan::example(const SequenceFields& fields) {
    const auto marker = fields.marker();
    const auto start = IntegerText::tryParse(fields.start);
    const auto positions =
        fields.zeros ? IntegerText::tryParse(fields.zerosCount) : std::optional<std::int32_t>(0);
    if (!marker || !start || !positions || *positions > NumberPadding::kMaxPositions ||
        fields.url.find(*marker) == std::string::npos) {
        return std::nullopt;
    }
    NumberPadding::Buffer digits;
    std::string url;
    SequenceTemplate(fields.url, *marker)
        .compose(NumberPadding(*positions).format(*start, digits), url);
    return url;
}

// A number's text grows with its distance from zero, which is greatest at either end of
// the range.
std::uint64_t SequencePlan::longestUrl() const {
    if (count() == 0) {
        return 0;
    }
    std::string url;
    urlAt(0, url);
    const std::size_t first = url.size();
    urlAt(count() - 1, url);
    return std::max(first, url.size());
}

} // namespace harvex2::core
