#pragma once

#include "core/sequence/NumberPadding.h"
#include "core/sequence/SequenceFields.h"
#include "core/sequence/SequenceRange.h"
#include "core/sequence/SequenceSeries.h"
#include "core/sequence/SequenceTemplate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::core {

// Everything a run needs, read from the fields before the first URL is made, so that a
// field that cannot be used stops the run before anything has been added anywhere.
class SequencePlan : public SequenceSeries {
public:
    // Reads Start at and Go to, the template, Positions (when padding is on) and Step, in
    // this order. Throws platform::ConversionError for a field that is not a whole number,
    // MissingMarkerError, or SequenceError.
    explicit SequencePlan(const SequenceFields& fields);

    const SequenceRange& range() const { return range_; }
    std::uint64_t count() const override { return range_.count(); }
    const std::string& downloadDir() const { return downloadDir_; }

    // Replaces `out` with the URL of the index-th number.
    void urlAt(std::uint64_t index, std::string& out) const override;
    std::uint64_t longestUrl() const override;
    std::uint64_t progressMaximum() const override { return range_.progressMaximum(); }
    std::uint64_t progressAfter(std::uint64_t urlsDone) const override {
        return range_.progressAfter(urlsDone);
    }

    // The first URL of the fields as they stand, for showing before a run; nothing when the
    // template holds no marker or a number it needs cannot be read.
    static std::optional<std::string> example(const SequenceFields& fields);

private:
    struct Bounds {
        std::int32_t start;
        std::int32_t goTo;
    };
    static Bounds readBounds(const SequenceFields& fields);
    SequencePlan(const SequenceFields& fields, Bounds bounds);

    SequenceTemplate template_;
    NumberPadding padding_;
    SequenceRange range_;
    std::string downloadDir_;
    mutable NumberPadding::Buffer digits_;
};

} // namespace harvex2::core
