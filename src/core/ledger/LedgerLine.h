#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::core {

// One line of the ledger file: "2026-12-08T14:02:03Z", a tab, "sent", "downloaded" or
// "forgotten", a tab, the target's name, a tab and the canonical link, which holds no tab or
// line break. A "downloaded" line is a sending the target has since completed; a "forgotten"
// line takes back every earlier line of the same link and target.
struct LedgerLine {
    enum class Kind { Sent, Forgotten, Downloaded };

    // Ends a line a writer left unfinished: a tab at the end makes any part of a line no
    // line, so a link cut short is never taken for the link.
    static constexpr std::string_view kTornMark = "\t";

    std::int64_t time = 0; // seconds since 1970, UTC, up to 2106 (32 bits)
    Kind kind = Kind::Sent;
    std::string_view target;
    std::string_view link;

    // Nothing for a line that is not one: a line cut short or mixed with another is never
    // taken for a link.
    static std::optional<LedgerLine> parse(std::string_view line);
    // Without the line feed. A target name cannot hold a tab or a line break: control
    // characters in it are written as spaces.
    std::string text() const;

    static std::string storableTarget(std::string_view name);
    // "2026-12-08T14:02:03Z"; nothing for a text that is not a time in that form, or out
    // of range.
    static std::string formatTime(std::int64_t time);
    static std::optional<std::int64_t> parseTime(std::string_view text);
};

} // namespace harvex2::core
