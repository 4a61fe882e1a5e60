#include "core/extract/LinkScanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace harvex2::core {

namespace {

constexpr char kEndOfInput = 26;

// Folds the ASCII capitals only: no other byte maps onto a lower-case letter this way.
bool isLetter(char c, char lower) {
    return (static_cast<unsigned char>(c) | 0x20) == static_cast<unsigned char>(lower);
}

} // namespace

LinkScanner::LinkScanner(const IgnoreSwitches& switches, Destination destination, ScanStats* stats)
    : switches_(switches), found_(std::move(destination), stats), buffer_(kBufferSize) {}

ScanCounters LinkScanner::scan(ByteSource& source) {
    step_ = Step::FindTag;
    value_.clear();
    found_.reset();
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
        found_.counters().characters = pieceStart_ + static_cast<std::int64_t>(count);
        pieceStart_ = found_.counters().characters;
        found_.report(ScanEvent::Characters);
    }
    if (step_ == Step::ReadValue) {
        // A value still open at the end of the input is a value like any other.
        takeValue(value_, found_.counters().characters);
    }
    found_.report(ScanEvent::Finished);
    return found_.counters();
}

void LinkScanner::scanPiece(const char* begin, const char* end) {
    pieceBegin_ = begin;
    finders_.lessThan.begin(begin);
    finders_.hOrTagEnd.begin(begin);
    finders_.quote.begin(begin);
    const Step resumeAt = step_;
    step_ = Step::FindTag;
    const char* p = runCycle(resumeAt, begin, end);
    if (p != end) {
        p = runWholeCycles(p, end);
    }
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
        p = finders_.lessThan.next(p, end);
        if (p == end) {
            return cutAt(Step::FindTag, end);
        }
        ++p;
        [[fallthrough]];
    case Step::FindH:
        p = finders_.hOrTagEnd.next(p, end);
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
        p = finders_.quote.next(p, end);
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

// The cycles that end well inside the piece, as runCycle() runs them but in one loop, with
// no test for the end of the piece between the steps of a tag. Returns where the first
// cycle it leaves to runCycle() begins.
const char* LinkScanner::runWholeCycles(const char* p, const char* end) {
    // The two bytes after an "h" are read without a test.
    const char* const last = end - std::min<std::ptrdiff_t>(end - p, 2);
    for (;;) {
        const char* tag = finders_.lessThan.next(p, end);
        if (tag >= last) {
            return p;
        }
        const char* hit = finders_.hOrTagEnd.next(tag + 1, end);
        if (hit >= last) {
            return p;
        }
        const bool isH = *hit != '>';
        const bool r = isLetter(hit[1], 'r');
        if (isH && r && isLetter(hit[2], 'e')) {
            const char* open = finders_.quote.next(hit + 3, end);
            const char* close = open == end ? end : finders_.quote.next(open + 1, end);
            if (close == end) {
                return p;
            }
            takeValue(std::string_view(open + 1, static_cast<std::size_t>(close - open - 1)),
                      pieceStart_ + (close + 1 - pieceBegin_));
            p = close + 1;
            continue;
        }
        // Past ">", past the byte after an "h" that is no "r", or past the one after "hr".
        p = hit + 1 + (isH ? 1 + static_cast<int>(r) : 0);
    }
}

const char* LinkScanner::cutAt(Step step, const char* end) {
    step_ = step;
    return end;
}

const char* LinkScanner::readValue(const char* p, const char* end) {
    const char* quote = finders_.quote.next(p, end);
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
    found_.counters().characters = consumed;
    found_.take(value, isIgnored(value));
}

bool LinkScanner::isIgnored(std::string_view value) const {
    return switches_.leavesOut(value, html::heldIn(value));
}

} // namespace harvex2::core
