#include "core/extract/LinkScanner.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace harvex2::core {

namespace {

constexpr char kEndOfInput = 26;

// The C library's memchr is vectorised for the machine it runs on; measured on real pages,
// neither an inline 32-byte SSE2 search nor 64-byte block masks beat it, even for the short
// distances between tags.
const char* findByte(const char* p, const char* end, char wanted) {
    const void* hit = std::memchr(p, wanted, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : end;
}

constexpr std::uint64_t kEveryByte = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

std::uint64_t loadEightBytes(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word); // the first byte in the lowest bits, as below
    }
    return word;
}

// Sets the high bit of each zero byte of `word`. Above the first zero byte a bit may be set
// wrongly by the borrow, so only the lowest set bit can be trusted.
std::uint64_t zeroBytes(std::uint64_t word) {
    return (word - kEveryByte) & ~word & kHighBits;
}

// A tag's first "h", "H" or ">" is usually within 16 bytes, but where it is differs from tag
// to tag; testing eight bytes at a time spares most of the mispredicted branches of a loop
// over bytes. The lowest bit of the two masks together is a true hit: a wrong bit only ever
// follows a true one of its own mask.
const char* findHOrTagEnd(const char* p, const char* end) {
    for (; end - p >= 8; p += 8) {
        const std::uint64_t word = loadEightBytes(p);
        const std::uint64_t hits = zeroBytes((word | 0x20 * kEveryByte) ^ 'h' * kEveryByte) |
                                   zeroBytes(word ^ '>' * kEveryByte);
        if (hits != 0) {
            return p + std::countr_zero(hits) / 8;
        }
    }
    while (p != end && *p != 'h' && *p != 'H' && *p != '>') {
        ++p;
    }
    return p;
}

// Folds the ASCII capitals only: no other byte maps onto a lower-case letter this way.
bool isLetter(char c, char lower) {
    return (static_cast<unsigned char>(c) | 0x20) == static_cast<unsigned char>(lower);
}

} // namespace

LinkScanner::LinkScanner(const IgnoreSwitches& switches, Destination destination, ScanStats* stats)
    : switches_(switches), destination_(std::move(destination)), stats_(stats),
      buffer_(kBufferSize) {}

ScanCounters LinkScanner::scan(ByteSource& source) {
    step_ = Step::FindTag;
    value_.clear();
    counters_ = {};
    pieceStart_ = 0;
    bool more = true;
    while (more) {
        std::size_t count = source.read(buffer_.data(), buffer_.size());
        if (count == 0) {
            break;
        }
        // Cutting the piece at the first byte 26 spares every loop below that test.
        if (const void* stop = std::memchr(buffer_.data(), kEndOfInput, count)) {
            count = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.data());
            more = false;
        }
        scanPiece(buffer_.data(), buffer_.data() + count);
        counters_.characters = pieceStart_ + static_cast<std::int64_t>(count);
        pieceStart_ = counters_.characters;
        report(ScanEvent::Characters);
    }
    if (step_ == Step::ReadValue) {
        // A value still open at the end of the input is a value like any other.
        takeValue(value_, counters_.characters);
    }
    report(ScanEvent::Finished);
    return counters_;
}

void LinkScanner::scanPiece(const char* begin, const char* end) {
    pieceBegin_ = begin;
    const Step resumeAt = step_;
    step_ = Step::FindTag;
    const char* p = runCycle(resumeAt, begin, end);
    while (p != end) {
        p = runCycle(Step::FindTag, p, end);
    }
}

// One cycle of the scan, from step `from` to its end. Written as one run of steps so that
// a whole cycle inside a piece goes straight through; only a cycle cut by the end of a
// piece is entered in its middle, at the step recorded by cutAt().
const char* LinkScanner::runCycle(Step from, const char* p, const char* end) {
    switch (from) {
    case Step::FindTag:
        p = findByte(p, end, '<');
        if (p == end) {
            return cutAt(Step::FindTag, end);
        }
        ++p;
        [[fallthrough]];
    case Step::FindH:
        p = findHOrTagEnd(p, end);
        if (p == end) {
            return cutAt(Step::FindH, end);
        }
        if (*p++ == '>') {
            return p;
        }
        [[fallthrough]];
    case Step::ExpectR:
        if (p == end) {
            return cutAt(Step::ExpectR, end);
        }
        if (!isLetter(*p++, 'r')) {
            return p;
        }
        [[fallthrough]];
    case Step::ExpectE:
        if (p == end) {
            return cutAt(Step::ExpectE, end);
        }
        if (!isLetter(*p++, 'e')) {
            return p;
        }
        [[fallthrough]];
    case Step::FindQuote:
        p = findByte(p, end, '"');
        if (p == end) {
            return cutAt(Step::FindQuote, end);
        }
        ++p;
        [[fallthrough]];
    case Step::ReadValue:
        return readValue(p, end);
    }
    return end;
}

const char* LinkScanner::cutAt(Step step, const char* end) {
    step_ = step;
    return end;
}

const char* LinkScanner::readValue(const char* p, const char* end) {
    const char* quote = findByte(p, end, '"');
    if (quote == end) {
        value_.append(p, end);
        return cutAt(Step::ReadValue, end);
    }
    const std::int64_t consumed = pieceStart_ + (quote + 1 - pieceBegin_);
    if (value_.empty()) {
        // The whole value lies in this piece: no copy needed.
        takeValue(std::string_view(p, static_cast<std::size_t>(quote - p)), consumed);
    } else {
        value_.append(p, quote);
        takeValue(value_, consumed);
        value_.clear();
    }
    return quote + 1;
}

void LinkScanner::takeValue(std::string_view value, std::int64_t consumed) {
    counters_.characters = consumed;
    if (isIgnored(value)) {
        ++counters_.linksIgnored;
        report(ScanEvent::LinkIgnored);
    } else {
        ++counters_.linksFound;
        destination_(value);
        report(ScanEvent::LinkKept);
    }
}

bool LinkScanner::isIgnored(std::string_view value) const {
    return switches_.leavesOut(value);
}

void LinkScanner::report(ScanEvent event) {
    if (stats_) {
        stats_->UpdateStats(event, counters_);
    }
}

} // namespace harvex2::core
