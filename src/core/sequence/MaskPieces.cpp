#include "core/sequence/MaskPieces.h"

#include <algorithm>
#include <charconv>

namespace harvex2::core {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<MaskPiece> maskPieces(std::string_view mask, std::span<const std::string_view> tags) {
    std::vector<MaskPiece> pieces;
    std::size_t plain = 0; // where the plain text before `at` began
    const auto endPlain = [&](std::size_t at) {
        if (at > plain) {
            pieces.push_back({MaskPiece::Kind::Text, mask.substr(plain, at - plain)});
        }
    };
    for (std::size_t at = 0; at < mask.size();) {
        const std::string_view rest = mask.substr(at);
        std::size_t length = 0;
        if (rest.size() > 1 && rest[0] == '#' && isDigit(rest[1])) {
            length = static_cast<std::size_t>(
                std::find_if_not(rest.begin() + 1, rest.end(), isDigit) - rest.begin());
            std::size_t counter = 0;
            std::from_chars(rest.data() + 1, rest.data() + length, counter);
            endPlain(at);
            pieces.push_back({MaskPiece::Kind::Counter, rest.substr(0, length), counter});
        } else if (const auto tag = std::ranges::find_if(
                       tags,
                       [rest](std::string_view written) { return rest.starts_with(written); });
                   tag != tags.end()) {
            length = tag->size();
            endPlain(at);
            pieces.push_back({MaskPiece::Kind::Tag, rest.substr(0, length),
                              static_cast<std::size_t>(tag - tags.begin())});
        } else {
            ++at;
            continue;
        }
        at += length;
        plain = at;
    }
    endPlain(mask.size());
    return pieces;
}

} // namespace harvex2::core
