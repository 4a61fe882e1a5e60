#include "core/ledger/LedgerLine.h"

#include <chrono>
#include <cstdio>
#include <limits>

namespace harvex2::core {

namespace {

constexpr std::string_view kSent = "sent";
constexpr std::string_view kForgotten = "forgotten";
constexpr std::string_view kDownloaded = "downloaded";
constexpr std::size_t kTimeSize = 20;
constexpr std::int64_t kLatest = std::numeric_limits<std::uint32_t>::max();

// The digits of text[from, from + count), or -1 when any of them is not a digit.
int digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string_view nextField(std::string_view& rest) {
    const auto tab = rest.find('\t');
    const std::string_view field = rest.substr(0, tab);
    rest = tab == std::string_view::npos ? std::string_view{} : rest.substr(tab + 1);
    return field;
}

std::optional<LedgerLine::Kind> kindOf(std::string_view word) {
    if (word == kSent) {
        return LedgerLine::Kind::Sent;
    }
    if (word == kForgotten) {
        return LedgerLine::Kind::Forgotten;
    }
    if (word == kDownloaded) {
        return LedgerLine::Kind::Downloaded;
    }
    return std::nullopt;
}

std::string_view wordOf(LedgerLine::Kind kind) {
    switch (kind) {
    case LedgerLine::Kind::Forgotten:
        return kForgotten;
    case LedgerLine::Kind::Downloaded:
        return kDownloaded;
    case LedgerLine::Kind::Sent:
        break;
    }
    return kSent;
}

// A canonical link has its control characters escaped; one holding a tab is two lines run
// together.
bool isLink(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return !text.empty();
}

} // namespace

std::optional<std::int64_t> LedgerLine::parseTime(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != kTimeSize || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != 'Z') {
        return std::nullopt;
    }
    const int fields[] = {digits(text, 0, 4),  digits(text, 5, 2),  digits(text, 8, 2),
                          digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2)};
    const year_month_day date{year{fields[0]}, month{static_cast<unsigned>(fields[1])},
                              day{static_cast<unsigned>(fields[2])}};
    if (fields[0] < 0 || !date.ok() || fields[3] < 0 || fields[3] > 23 || fields[4] < 0 ||
        fields[4] > 59 || fields[5] < 0 || fields[5] > 60) {
        return std::nullopt;
    }
    const auto at = sys_days(date) + hours(fields[3]) + minutes(fields[4]) + seconds(fields[5]);
    const std::int64_t time = at.time_since_epoch().count();
    if (time < 0 || time > kLatest) {
        return std::nullopt;
    }
    return time;
}

std::string LedgerLine::formatTime(std::int64_t time) {
    using namespace std::chrono;
    const sys_seconds at{seconds(time)};
    const auto day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss clock{at - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                  int(clock.minutes().count()), int(clock.seconds().count()));
    return text;
}

std::optional<LedgerLine> LedgerLine::parse(std::string_view line) {
    std::string_view rest = line;
    const auto time = parseTime(nextField(rest));
    const auto kind = kindOf(nextField(rest));
    LedgerLine parsed;
    parsed.target = nextField(rest);
    parsed.link = rest;
    if (!time || !kind || parsed.target.empty() || !isLink(parsed.link)) {
        return std::nullopt;
    }
    parsed.time = *time;
    parsed.kind = *kind;
    return parsed;
}

std::string LedgerLine::text() const {
    std::string line = formatTime(time);
    line += '\t';
    line += wordOf(kind);
    line += '\t';
    line += storableTarget(target);
    line += '\t';
    line += link;
    return line;
}

std::string LedgerLine::storableTarget(std::string_view name) {
    std::string storable(name);
    for (char& c : storable) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return storable;
}

} // namespace harvex2::core
