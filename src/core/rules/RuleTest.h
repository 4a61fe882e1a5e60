#pragma once

#include "core/rules/Wildcard.h"
#include "platform/RegularExpression.h"

#include <memory>
#include <string>
#include <vector>

namespace harvex2::core {

class LinkSubject;

// One test of a rule line, compiled: "ext:", "glob:", "re:", "host:", "scheme:", "text:"
// or "sent:". Values are kept folded to lower case when the test ignores case.
class RuleTest {
public:
    enum class Kind { Extension, Glob, Expression, Host, Scheme, Text, Sent };

    // For every kind but Expression: the values as written (a list for ext, host and
    // scheme, one value for the others).
    RuleTest(Kind kind, std::vector<std::string> values, bool ignoreCase);
    RuleTest(std::unique_ptr<platform::RegularExpression> expression);

    Kind kind() const { return kind_; }
    bool holds(LinkSubject& link) const;

private:
    bool extensionHolds(std::string_view fileName) const;
    bool hostHolds(LinkSubject& link) const;
    bool schemeHolds(LinkSubject& link) const;
    bool textHolds(std::string_view text) const;
    bool sentHolds(LinkSubject& link) const;

    Kind kind_;
    bool ignoreCase_ = true;
    std::vector<std::string> values_;
    std::vector<Wildcard> wildcards_; // glob and host
    std::unique_ptr<platform::RegularExpression> expression_;
};

} // namespace harvex2::core
