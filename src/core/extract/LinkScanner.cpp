#include "core/extract/LinkScanner.h"

#include <array>
#include <cstring>

namespace harvex2::core {

namespace {

constexpr char kEndOfInput = 26;

// The characters that end the search for the letter h inside a tag.
constexpr std::array<bool, 256> kStopsTagSearch = [] {
    std::array<bool, 256> stops{};
    stops['h'] = stops['H'] = stops['>'] = true;
    return stops;
}();

// Folds the ASCII capitals only: no other byte maps onto a lower-case letter this way.
bool isLetter(char c, char lower) {
    return (static_cast<unsigned char>(c) | 0x20) == static_cast<unsigned char>(lower);
}

const char* find(const char* p, const char* end, char wanted) {
    const void* hit = std::memchr(p, wanted, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : nullptr;
}

} // namespace

LinkScanner::LinkScanner(const IgnoreSwitches& switches, Destination destination, ScanStats* stats)
    : switches_(switches), destination_(std::move(destination)), stats_(stats),
      buffer_(std::make_unique<char[]>(kBufferSize)) {}

ScanCounters LinkScanner::scan(ByteSource& source) {
    step_ = Step::FindTag;
    value_.clear();
    counters_ = {};
    pieceStart_ = 0;
    bool more = true;
    while (more) {
        std::size_t count = source.read(buffer_.get(), kBufferSize);
        if (count == 0) {
            break;
        }
        if (const char* stop = find(buffer_.get(), buffer_.get() + count, kEndOfInput)) {
            count = static_cast<std::size_t>(stop - buffer_.get());
            more = false;
        }
        scanPiece(buffer_.get(), buffer_.get() + count);
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
    const char* p = begin;
    while (p != end) {
        switch (step_) {
        case Step::FindTag:
            p = findTag(p, end);
            break;
        case Step::FindH:
            p = findH(p, end);
            break;
        case Step::ExpectR:
            step_ = isLetter(*p++, 'r') ? Step::ExpectE : Step::FindTag;
            break;
        case Step::ExpectE:
            step_ = isLetter(*p++, 'e') ? Step::FindQuote : Step::FindTag;
            break;
        case Step::FindQuote:
            p = findQuote(p, end);
            break;
        case Step::ReadValue:
            p = readValue(p, end);
            break;
        }
    }
}

const char* LinkScanner::findTag(const char* p, const char* end) {
    const char* tag = find(p, end, '<');
    if (!tag) {
        return end;
    }
    step_ = Step::FindH;
    return tag + 1;
}

const char* LinkScanner::findH(const char* p, const char* end) {
    while (p != end && !kStopsTagSearch[static_cast<unsigned char>(*p)]) {
        ++p;
    }
    if (p != end) {
        step_ = *p == '>' ? Step::FindTag : Step::ExpectR;
        ++p;
    }
    return p;
}

const char* LinkScanner::findQuote(const char* p, const char* end) {
    const char* quote = find(p, end, '"');
    if (!quote) {
        return end;
    }
    step_ = Step::ReadValue;
    return quote + 1;
}

const char* LinkScanner::readValue(const char* p, const char* end) {
    const char* quote = find(p, end, '"');
    if (!quote) {
        value_.append(p, end);
        return end;
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
    step_ = Step::FindTag;
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
    return (switches_.ignoreMailTo() && value.find("mailto:") != std::string_view::npos) ||
           (switches_.ignoreBookmarks() && value.find('#') != std::string_view::npos) ||
           (switches_.qLinks() && value.find('?') != std::string_view::npos);
}

void LinkScanner::report(ScanEvent event) {
    if (stats_) {
        stats_->UpdateStats(event, counters_);
    }
}

} // namespace harvex2::core
