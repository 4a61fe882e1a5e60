#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace harvex2::platform {

// A user's regular expression, compiled once and asked of many links. Matching takes time
// linear in the link whatever the pattern, so no pattern can hold the program. A link that
// is valid UTF-8 is read as UTF-8 text, any other as one Latin-1 character per byte.
class RegularExpression {
public:
    struct Options {
        bool ignoreCase = true;
    };

    virtual ~RegularExpression() = default;

    // The compiled pattern, or the engine's reason why it is not one.
    static std::variant<std::unique_ptr<RegularExpression>, std::string>
    compile(std::string_view pattern, Options options);

    // True when the pattern matches anywhere in `text`.
    virtual bool search(std::string_view text) const = 0;
};

} // namespace harvex2::platform
