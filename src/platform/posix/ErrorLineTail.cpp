#include "platform/posix/ErrorLineTail.h"

#include <algorithm>

namespace harvex2::platform {

namespace {

constexpr char kEscape = '\x1b';

bool isControl(unsigned char byte) {
    return byte < 0x20u || byte == 0x7Fu;
}

// Where the escape sequence starting at `at` ends: CSI (ESC [ ... final byte), OSC and the
// other string sequences (up to BEL or ESC \), or ESC and one character.
std::size_t escapeEnd(std::string_view raw, std::size_t at) {
    std::size_t pos = at + 1;
    if (pos == raw.size()) {
        return pos;
    }
    const char kind = raw[pos++];
    if (kind == '[') {
        while (pos < raw.size() && (static_cast<unsigned char>(raw[pos]) < 0x40u ||
                                    static_cast<unsigned char>(raw[pos]) > 0x7Eu)) {
            ++pos;
        }
        return std::min(pos + 1, raw.size());
    }
    if (kind == ']' || kind == 'P' || kind == '_' || kind == '^') {
        while (pos < raw.size() && raw[pos] != '\a' &&
               !(raw[pos] == kEscape && pos + 1 < raw.size() && raw[pos + 1] == '\\')) {
            ++pos;
        }
        return std::min(pos + (pos < raw.size() && raw[pos] == kEscape ? 2 : 1), raw.size());
    }
    // ESC, intermediate bytes, one final byte ("ESC ( B").
    bool intermediate = kind >= 0x20 && kind <= 0x2F;
    while (intermediate && pos < raw.size()) {
        intermediate = raw[pos] >= 0x20 && raw[pos] <= 0x2F;
        ++pos;
    }
    return pos;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void ErrorLineTail::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto end = bytes.find_first_of("\r\n");
        const std::string_view part = bytes.substr(0, end);
        current_.append(part.substr(0, kMaxBytes - std::min(kMaxBytes, current_.size())));
        if (end == std::string_view::npos) {
            return;
        }
        endLine();
        bytes.remove_prefix(end + 1);
    }
}

std::string ErrorLineTail::lastLine() const {
    std::string line = trimmed(cleaned(current_));
    return line.empty() ? last_ : line;
}

std::string ErrorLineTail::cleaned(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    for (std::size_t at = 0; at < raw.size();) {
        const char c = raw[at];
        if (c == kEscape) {
            at = escapeEnd(raw, at);
            continue;
        }
        if (c == '\t') {
            text += ' ';
        } else if (!isControl(static_cast<unsigned char>(c))) {
            text += c;
        }
        ++at;
    }
    return text;
}

void ErrorLineTail::endLine() {
    std::string line = trimmed(cleaned(current_));
    if (!line.empty()) {
        last_ = std::move(line);
    }
    current_.clear();
}

} // namespace harvex2::platform
