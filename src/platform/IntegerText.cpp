#include "platform/IntegerText.h"

#include "platform/ConversionError.h"

#include <cstddef>

namespace harvex2::platform {

namespace {

constexpr std::uint64_t kHexLimit = 0xFFFFFFFFu;
constexpr std::uint64_t kPositiveLimit = 0x7FFFFFFFu;
constexpr std::uint64_t kNegativeLimit = 0x80000000u;

int digitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// Skips a hexadecimal prefix at `pos`; returns the base of the digits that follow.
int takeBase(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == '$') {
        ++pos;
        return 16;
    }
    if (pos + 1 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        pos += 2;
        return 16;
    }
    return 10;
}

std::optional<std::uint64_t> takeDigits(std::string_view text, std::size_t pos, int base,
                                        std::uint64_t limit) {
    if (pos == text.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::optional<std::int32_t> IntegerText::tryParse(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    const int base = takeBase(text, pos);
    const std::uint64_t limit =
        base == 16 ? kHexLimit : (negative ? kNegativeLimit : kPositiveLimit);
    const auto magnitude = takeDigits(text, pos, base, limit);
    if (!magnitude) {
        return std::nullopt;
    }
    const auto pattern = static_cast<std::uint32_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
}

std::int32_t IntegerText::parse(const std::string& text) {
    const auto value = tryParse(text);
    if (!value) {
        throw ConversionError("'" + text + "' is not a valid integer value");
    }
    return *value;
}

} // namespace harvex2::platform
