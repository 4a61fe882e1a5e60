#include "core/sequence/GlobTemplate.h"

#include "core/sequence/GlobParser.h"

namespace harvex2::core {

GlobTemplate GlobTemplate::parse(std::string_view text) {
    return GlobParser(text).parse();
}

void GlobTemplate::valueIndexes(std::uint64_t index, ValueIndexes& values) const {
    for (std::size_t piece = pieces_.size(); piece-- > 0;) {
        const std::uint64_t count = pieces_[piece].count();
        values[piece] = index % count;
        index /= count;
    }
}

void GlobTemplate::urlAt(std::uint64_t index, std::string& out) const {
    out.clear();
    ValueIndexes values;
    valueIndexes(index, values);
    for (std::size_t piece = 0; piece < pieces_.size(); ++piece) {
        pieces_[piece].appendValue(values[piece], out);
    }
}

std::uint64_t GlobTemplate::longestUrl() const {
    std::uint64_t longest = 0;
    for (const GlobGroup& piece : pieces_) {
        longest += piece.longestValue();
    }
    return longest;
}

std::vector<std::string> GlobTemplate::countersAt(std::uint64_t index) const {
    std::vector<std::string> counters;
    ValueIndexes values;
    valueIndexes(index, values);
    for (std::size_t piece = 0; piece < pieces_.size(); ++piece) {
        if (pieces_[piece].isCounter()) {
            pieces_[piece].appendValue(values[piece], counters.emplace_back());
        }
    }
    return counters;
}

} // namespace harvex2::core
