#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::platform {

// Key paths and the rules for key and value names: components separated by "\". Names
// compare without regard to ASCII letter case (AsciiText).
class KeyPath {
public:
    // As deep as the registry lets keys nest; also keeps a hostile file from nesting keys
    // deep enough to exhaust the stack.
    static constexpr std::size_t kMaxDepth = 512;

    // The non-empty components of `path`; a leading, trailing or doubled "\" adds none.
    static std::vector<std::string> split(std::string_view path);
    static bool isAbsolute(std::string_view path) { return !path.empty() && path.front() == '\\'; }

    // A name the store file can carry on one line: valid UTF-8 without control characters.
    static bool isStorableName(std::string_view name);
};

} // namespace harvex2::platform
