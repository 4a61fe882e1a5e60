#pragma once

#include "core/extract/LinkBounds.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace harvex2::core {

// The text link finder's one pass over a text, for a way `Lanes` of testing 64 bytes at a
// time (see TextLanes.h); hands each link to `take(link, isHost)`.
//
// It goes in two steps. The places where a link may begin are first gathered from a run of
// blocks, with no branch on what the blocks hold; then the links at those places are read.
// Read together, the reading of one link would wait on the search for it, and the search
// for the next on the end of the link before.
template <typename Lanes, typename Take> class TextLinkWalk {
public:
    TextLinkWalk(std::string_view text, const Take& take) : text_(text), take_(take) {}

    // Returns how many links were found.
    std::size_t run() {
        const std::size_t size = text_.size();
        // A block is tested with the two bytes before it and the one after.
        std::size_t at = 0;
        for (; at < std::min<std::size_t>(2, size); ++at) {
            visit(at);
        }
        while (at + kBlock + 1 <= size) {
            const std::size_t count = gather(at);
            for (std::size_t i = 0; i < count; ++i) {
                visit(places_[i]);
            }
        }
        for (; at < size; ++at) {
            visit(at);
        }
        return found_;
    }

private:
    static constexpr std::size_t kBlock = 64;
    static constexpr std::size_t kBlocksPerRun = 32;
    static constexpr std::size_t kEndBlock = 32;

    // Gathers the places of the blocks from `at` on, as many as a run holds; moves `at`
    // past them. Two places of each block are written whatever it holds: a third is rare.
    std::size_t gather(std::size_t& at) {
        const std::size_t last = std::min(at + kBlock * kBlocksPerRun, text_.size() - kBlock);
        std::size_t count = 0;
        for (; at < last; at += kBlock) {
            std::uint64_t pairs = Lanes::pairs(text_.data() + at);
            places_[count] = at + static_cast<std::size_t>(std::countr_zero(pairs));
            count += pairs != 0;
            pairs &= pairs - 1;
            places_[count] = at + static_cast<std::size_t>(std::countr_zero(pairs));
            count += pairs != 0;
            for (pairs &= pairs - 1; pairs != 0; pairs &= pairs - 1) {
                places_[count++] = at + static_cast<std::size_t>(std::countr_zero(pairs));
            }
        }
        return count;
    }

    // Reads the link at `at`, if one begins there and it is not inside the link before.
    void visit(std::size_t at) {
        if (at < next_ || !LinkBounds::isCandidate(text_, at)) {
            return;
        }
        constexpr std::size_t npos = std::string_view::npos;
        const bool atColon = text_[at] == ':';
        const std::size_t start =
            atColon ? LinkBounds::schemeStart(text_, at) : LinkBounds::hostStart(text_, at);
        const std::size_t from = at + (atColon ? 3 : 1);
        const std::size_t end =
            start == npos ? from : linkEnd(from, LinkBounds::isBbcodeValue(text_, start));
        if (end == from) {
            next_ = at + 1;
            return;
        }
        take_(text_.substr(start, end - start), !atColon);
        ++found_;
        next_ = end;
    }

    // The first byte at or after `from` where the bytes of a link may end, at most the
    // size, and whether it is a stop.
    struct End {
        std::size_t at;
        bool stop;
    };
    End nextEnd(std::size_t from) const {
        for (; from + kEndBlock <= text_.size(); from += kEndBlock) {
            if (const text::Ends ends = Lanes::ends(text_.data() + from); ends.any != 0) {
                const int first = std::countr_zero(ends.any);
                return {from + static_cast<std::size_t>(first), (ends.stops >> first & 1) != 0};
            }
        }
        while (from < text_.size() && text::isPlain(text_[from])) {
            ++from;
        }
        return {from, from < text_.size() && text::is(text_[from], text::kStop)};
    }

    // Where the link whose address part begins at `from` ends; `from` when it holds
    // nothing. `bbcodeValue`: the link is the value of `[url=...]`.
    std::size_t linkEnd(std::size_t from, bool bbcodeValue) const {
        int parens = 0;
        int brackets = 0;
        std::size_t i = from;
        for (;; ++i) {
            const End end = nextEnd(i);
            i = end.at;
            if (end.stop || i == text_.size()) {
                break;
            }
            const char c = text_[i];
            if (text::is(c, text::kLead)) {
                if (LinkBounds::isUnicodeStop(text_, i)) {
                    break;
                }
            } else if (c == '(') {
                ++parens;
            } else if (c == ')') {
                if (parens-- == 0) {
                    break;
                }
            } else if (c == '[') {
                if (LinkBounds::isClosingTag(text_, i)) {
                    break;
                }
                ++brackets;
            } else if (c == ']') {
                if (bbcodeValue || brackets-- == 0) {
                    break;
                }
            }
        }
        while (i > from && text::is(text_[i - 1], text::kTrailing)) {
            --i;
        }
        return i;
    }

    std::string_view text_;
    const Take& take_;
    std::size_t found_ = 0;
    std::size_t next_ = 0; // where the next link may begin
    // Two more than a run's blocks can hold: the places written but not counted.
    std::array<std::size_t, kBlock * kBlocksPerRun + 2> places_;
};

} // namespace harvex2::core
