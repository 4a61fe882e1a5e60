#include "core/handoff/FileNameRule.h"

#include "platform/AsciiText.h"

#include <algorithm>

namespace harvex2::core {

namespace {

unsigned char byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

// The length of the UTF-8 character starting at `at`, 0 when none starts there. Overlong
// forms, surrogates and code points past U+10FFFF are no characters.
std::size_t characterLength(std::string_view text, std::size_t at) {
    const unsigned char lead = byteAt(text, at);
    if (lead < 0x80u) {
        return 1;
    }
    const std::size_t length = lead >= 0xC2u && lead <= 0xDFu   ? 2
                               : lead >= 0xE0u && lead <= 0xEFu ? 3
                               : lead >= 0xF0u && lead <= 0xF4u ? 4
                                                                : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byteAt(text, at + i))) {
            return 0;
        }
    }
    const unsigned char second = byteAt(text, at + 1);
    const bool outOfRange = (lead == 0xE0u && second < 0xA0u) ||
                            (lead == 0xEDu && second > 0x9Fu) ||
                            (lead == 0xF0u && second < 0x90u) || (lead == 0xF4u && second > 0x8Fu);
    return outOfRange ? 0 : length;
}

bool isControlOrSeparator(unsigned char byte) {
    return byte < 0x20u || byte == 0x7Fu || byte == '/' || byte == '\\';
}

// U+0080 to U+009F, the C1 controls, are 0xC2 0x80 to 0xC2 0x9F in UTF-8.
bool isC1Control(std::string_view text, std::size_t at) {
    return byteAt(text, at) == 0xC2u && at + 1 < text.size() && byteAt(text, at + 1) <= 0x9Fu;
}

} // namespace

std::optional<std::string> FileNameRule::fromLinkSegment(std::string_view segment) {
    return clean(percentDecoded(segment));
}

std::optional<std::string> FileNameRule::clean(std::string_view name) {
    if (!isUtf8(name)) {
        return std::nullopt;
    }
    std::string cleaned = cut(withoutControls(name));
    const bool blank = std::all_of(cleaned.begin(), cleaned.end(), [](char c) { return c == ' '; });
    if (blank || cleaned == "." || cleaned == "..") {
        return std::nullopt;
    }
    return cleaned;
}

std::string FileNameRule::percentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high =
            text[i] == '%' && i + 2 < text.size() ? platform::AsciiText::hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? platform::AsciiText::hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool FileNameRule::isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string FileNameRule::withoutControls(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (std::size_t at = 0; at < name.size(); ++at) {
        if (isC1Control(name, at)) {
            result += '_';
            ++at;
        } else {
            result += isControlOrSeparator(byteAt(name, at)) ? '_' : name[at];
        }
    }
    return result;
}

std::string FileNameRule::cut(std::string name) {
    if (name.size() <= kMaxBytes) {
        return name;
    }
    const auto dot = name.rfind('.');
    const bool keepsExtension =
        dot != std::string::npos && dot > 0 && name.size() - dot < kMaxBytes;
    const std::string extension = keepsExtension ? name.substr(dot) : std::string();
    std::size_t stemEnd = kMaxBytes - extension.size();
    // Never split a character: the name stays UTF-8.
    while (stemEnd > 0 && isContinuation(byteAt(name, stemEnd))) {
        --stemEnd;
    }
    return name.substr(0, stemEnd) + extension;
}

} // namespace harvex2::core
