#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::fuzz {

// The `href` of every element in the tree an HTML5 parser (gumbo) builds from `utf8`.
std::vector<std::string> gumboHrefs(std::string_view utf8);

// Every `href` the full reader finds, with every ignore rule off, the input handed over
// `pieceSize` bytes at a time.
std::vector<std::string> readerHrefs(std::string_view input, std::size_t pieceSize);

bool isUtf8(std::string_view text);

// Both sides as the comparison sees them: values mapped as the parser's input stream maps
// them (CR LF and a lone CR read as LF; NUL, control characters and noncharacters as
// U+FFFD), ASCII whitespace around each value dropped, the values sorted.
std::vector<std::string> comparable(const std::vector<std::string>& values);

// Why the two readings of `input` may differ, when the difference is one kept on purpose
// (see docs/link-reader-differences.md); nullptr when it is a fault.
const char* keptDifference(std::string_view input, const std::vector<std::string>& reader,
                           const std::vector<std::string>& parser);

} // namespace harvex2::fuzz
