#pragma once

#include "platform/RegularExpression.h"

#include <memory>
#include <string_view>

namespace re2 {
class RE2;
}

namespace harvex2::platform {

// A RegularExpression on RE2. The pattern is compiled twice, for links read as UTF-8 and
// for links read as Latin-1, because RE2 reads its text one way for the life of a pattern.
class Re2Expression : public RegularExpression {
public:
    Re2Expression(std::unique_ptr<re2::RE2> utf8, std::unique_ptr<re2::RE2> latin1);
    ~Re2Expression() override;

    bool search(std::string_view text) const override;

private:
    std::unique_ptr<re2::RE2> utf8_;
    std::unique_ptr<re2::RE2> latin1_;
};

} // namespace harvex2::platform
