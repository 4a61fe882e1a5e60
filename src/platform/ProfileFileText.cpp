#include "platform/ProfileFileText.h"

#include <cstddef>
#include <vector>

namespace harvex2::platform {

namespace {

using Lines = std::vector<std::string_view>;

Lines splitLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool isHeader(std::string_view line) {
    const std::string_view text = trim(line);
    return !text.empty() && text.front() == '[';
}

bool isHeaderOf(std::string_view line, std::string_view section) {
    if (!isHeader(line)) {
        return false;
    }
    const std::string_view text = trim(line).substr(1);
    return sameName(trim(text.substr(0, text.find(']'))), section);
}

std::string_view keyOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : trim(line.substr(0, equals));
}

// The lines of the first section named `section`: from its header to the next header.
struct Span {
    std::size_t header;
    std::size_t end;
};

std::optional<Span> findSection(const Lines& lines, std::string_view section) {
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
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (!keyOf(lines[i]).empty() && sameName(keyOf(lines[i]), key)) {
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
    return std::string(key) + "=" + std::string(value);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
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
    return std::string(unquoted(trim(raw.substr(raw.find('=') + 1))));
}

std::string ProfileFileText::withValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
    const Lines lines = splitLines(text);
    std::vector<std::string> out(lines.begin(), lines.end());
    const auto span = findSection(lines, section);
    if (!span) {
        if (!out.empty() && !trim(out.back()).empty()) {
            out.emplace_back();
        }
        out.push_back("[" + std::string(section) + "]");
        out.push_back(keyLine(key, value));
        return joined(out);
    }
    if (const auto line = findKey(lines, *span, key)) {
        out[*line] = keyLine(keyOf(lines[*line]), value);
        return joined(out);
    }
    // Blank lines closing the section stay between it and the next one.
    std::size_t after = span->end;
    while (after > span->header + 1 && trim(lines[after - 1]).empty()) {
        --after;
    }
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(after), keyLine(key, value));
    return joined(out);
}

} // namespace harvex2::platform
