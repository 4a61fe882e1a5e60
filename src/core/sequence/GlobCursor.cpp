#include "core/sequence/GlobCursor.h"

namespace harvex2::core {

GlobCursor::GlobCursor(const GlobTemplate& glob)
    : pieces_(glob.pieces()), values_(pieces_.size()), starts_(pieces_.size() + 1) {
    for (std::size_t piece = pieces_.size(); piece-- > 0;) {
        if (pieces_[piece].isCounter() && pieces_[piece].count() > 1) {
            changing_.push_back(piece);
        }
    }
    for (std::size_t piece = 0; piece < pieces_.size(); ++piece) {
        if (pieces_[piece].isCounter()) {
            counters_.push_back(piece);
        }
    }
    remakeFrom(0);
}

std::string_view GlobCursor::counter(std::size_t n) const {
    const std::size_t piece = counters_[n];
    return std::string_view(url_).substr(starts_[piece], starts_[piece + 1] - starts_[piece]);
}

bool GlobCursor::next() {
    for (const std::size_t piece : changing_) {
        if (++values_[piece] < pieces_[piece].count()) {
            remakeFrom(piece);
            return true;
        }
        values_[piece] = 0;
    }
    // Past the last URL every counter has wrapped round: stand on the last one again.
    for (const std::size_t piece : changing_) {
        values_[piece] = pieces_[piece].count() - 1;
    }
    return false;
}

void GlobCursor::remakeFrom(std::size_t piece) {
    url_.resize(starts_[piece]);
    for (; piece < pieces_.size(); ++piece) {
        starts_[piece] = url_.size();
        pieces_[piece].appendValue(values_[piece], url_);
    }
    starts_[pieces_.size()] = url_.size();
}

} // namespace harvex2::core
