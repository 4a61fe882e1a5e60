#include "platform/posix/Re2Expression.h"

#include "platform/posix/Utf16Text.h"

#include <cstring>
#include <re2/re2.h>

namespace harvex2::platform {

namespace {

// Links are nearly always ASCII: eight bytes at a time before the full check.
bool isUtf8(std::string_view text) {
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t block = 0;
        std::memcpy(&block, text.data() + pos, 8);
        if (block & 0x8080808080808080ULL) {
            break;
        }
    }
    return Utf16Text::isValidUtf8(text.substr(pos));
}

std::unique_ptr<re2::RE2> compiled(std::string_view pattern, RegularExpression::Options options,
                                   RE2::Options::Encoding encoding) {
    RE2::Options settings;
    settings.set_encoding(encoding);
    settings.set_case_sensitive(!options.ignoreCase);
    settings.set_log_errors(false);
    // Room for long patterns a user pastes; RE2 then still refuses a pattern that would
    // need more memory rather than slowing down.
    settings.set_max_mem(64 << 20);
    return std::make_unique<re2::RE2>(re2::StringPiece(pattern.data(), pattern.size()), settings);
}

} // namespace

std::variant<std::unique_ptr<RegularExpression>, std::string>
RegularExpression::compile(std::string_view pattern, Options options) {
    auto utf8 = compiled(pattern, options, RE2::Options::EncodingUTF8);
    if (!utf8->ok()) {
        return utf8->error();
    }
    auto latin1 = compiled(pattern, options, RE2::Options::EncodingLatin1);
    if (!latin1->ok()) {
        return latin1->error();
    }
    return std::make_unique<Re2Expression>(std::move(utf8), std::move(latin1));
}

Re2Expression::Re2Expression(std::unique_ptr<re2::RE2> utf8, std::unique_ptr<re2::RE2> latin1)
    : utf8_(std::move(utf8)), latin1_(std::move(latin1)) {}

Re2Expression::~Re2Expression() = default;

bool Re2Expression::search(std::string_view text) const {
    const re2::StringPiece piece(text.data(), text.size());
    return RE2::PartialMatch(piece, isUtf8(text) ? *utf8_ : *latin1_);
}

} // namespace harvex2::platform
