#pragma once

#include "core/sequence/GlobGroup.h"
#include "core/sequence/SequenceSeries.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// A URL template in curl's globbing syntax: `[1-100]`, `[001-100]`, `[0-100:5]`, `[a-z]`,
// `[A-Z:2]` and `{jpg,png}`. It stands for every combination of its counters' values, the
// last counter changing fastest.
class GlobTemplate : public SequenceSeries {
public:
    // The most URLs one template may stand for.
    static constexpr std::uint64_t kMaxCount = std::uint64_t{1} << 63;
    // curl refuses a template of this many pieces, text and groups together.
    static constexpr std::size_t kMaxPieces = 100;

    // Reads `text` as curl 7.88 reads a URL; throws GlobError for what curl refuses, and
    // for a template of more than kMaxCount URLs.
    static GlobTemplate parse(std::string_view text);

    std::uint64_t count() const override { return count_; }
    void urlAt(std::uint64_t index, std::string& out) const override;
    std::uint64_t longestUrl() const override;
    // The value each counter has in the URL at `index`, in the order of the counters.
    std::vector<std::string> countersAt(std::uint64_t index) const;

    const std::vector<GlobGroup>& pieces() const { return pieces_; }

private:
    friend class GlobParser;
    GlobTemplate() = default;
    using ValueIndexes = std::array<std::uint64_t, kMaxPieces>;
    // Each piece's value index for the URL at `index`.
    void valueIndexes(std::uint64_t index, ValueIndexes& values) const;

    std::vector<GlobGroup> pieces_;
    std::uint64_t count_ = 1;
};

} // namespace harvex2::core
