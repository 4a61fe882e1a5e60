#include "platform/ProfileFileText.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace harvex2::platform {

namespace {

using Lines = std::vector<std::string_view>;

// One pass over the bytes: find_first_of looks each byte up in its set of two.
Lines splitLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const auto stop =
            std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
        const auto end = static_cast<std::size_t>(stop - text.begin());
        lines.push_back(text.substr(0, end));
        if (stop == text.end()) {
            break;
        }
        const bool crlf = *stop == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

bool isHeader(std::string_view line) {
    const std::string_view text = AsciiText::trim(line);
    return !text.empty() && text.front() == '[';
}

bool isHeaderOf(std::string_view line, std::string_view section) {
    if (!isHeader(line)) {
        return false;
    }
    const std::string_view text = AsciiText::trim(line).substr(1);
    return AsciiText::equalsIgnoringCase(AsciiText::trim(text.substr(0, text.find(']'))), section);
}

std::string_view keyOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{}
                                            : AsciiText::trim(line.substr(0, equals));
}

// The lines of the first section named `section`: from its header to the next header.
struct Span {
    std::size_t header;
    std::size_t end;
};

std::optional<Span> findSection(const Lines& lines, std::string_view section) {
    section = AsciiText::trim(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (isHeaderOf(lines[i], section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && !isHeader(lines[end])) {
                ++end;
            }
            return Span{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const Lines& lines, Span span, std::string_view key) {
    key = AsciiText::trim(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (!keyOf(lines[i]).empty() && AsciiText::equalsIgnoringCase(keyOf(lines[i]), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string keyLine(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value) + "\r\n";
}

// A change to the text's lines: `added` goes in before line `at` (after the last line when
// `at` is the count of lines), in the place of that line when `replaces` is set.
struct Change {
    std::size_t at;
    bool replaces;
    std::string added;
};

Change changeFor(const Lines& lines, std::string_view section, std::string_view key,
                 std::string_view value) {
    const auto span = findSection(lines, section);
    if (!span) {
        const bool blank = !lines.empty() && !AsciiText::trim(lines.back()).empty();
        return {lines.size(), false,
                (blank ? "\r\n[" : "[") + std::string(AsciiText::trim(section)) + "]\r\n" +
                    keyLine(AsciiText::trim(key), value)};
    }
    if (const auto line = findKey(lines, *span, key)) {
        return {*line, true, keyLine(keyOf(lines[*line]), value)};
    }
    // Blank lines closing the section stay between it and the next one.
    std::size_t after = span->end;
    while (after > span->header + 1 && AsciiText::trim(lines[after - 1]).empty()) {
        --after;
    }
    return {after, false, keyLine(AsciiText::trim(key), value)};
}

} // namespace

std::optional<std::string> ProfileFileText::find(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    const Lines lines = splitLines(text);
    const auto span = findSection(lines, section);
    if (!span) {
        return std::nullopt;
    }
    const auto line = findKey(lines, *span, key);
    if (!line) {
        return std::nullopt;
    }
    const std::string_view raw = lines[*line];
    return std::string(unquoted(AsciiText::trim(raw.substr(raw.find('=') + 1))));
}

bool ProfileFileText::canCarry(std::string_view section, std::string_view key,
                               std::string_view value) {
    const auto oneLine = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    const std::string_view name = AsciiText::trim(key);
    return oneLine(section) && oneLine(key) && oneLine(value) && !name.empty() &&
           name.front() != '[' && key.find('=') == std::string_view::npos &&
           section.find(']') == std::string_view::npos;
}

std::string ProfileFileText::withValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
    const Lines lines = splitLines(text);
    const Change change = changeFor(lines, section, key, value);
    std::string out;
    out.reserve(text.size() + lines.size() + change.added.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == change.at) {
            out += change.added;
            if (change.replaces) {
                continue;
            }
        }
        out += lines[i];
        out += "\r\n";
    }
    if (change.at == lines.size()) {
        out += change.added;
    }
    return out;
}

} // namespace harvex2::platform
