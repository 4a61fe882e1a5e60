#include "core/rules/RuleTest.h"

#include "core/rules/LinkSubject.h"
#include "core/rules/SentLookup.h"
#include "platform/AsciiText.h"

#include <algorithm>

namespace harvex2::core {

using platform::AsciiText;

namespace {

bool sameFolded(char text, char lowerValue) {
    return AsciiText::lower(text) == lowerValue;
}

bool endsWith(std::string_view text, std::string_view ending, bool ignoreCase) {
    if (text.size() < ending.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - ending.size());
    return ignoreCase ? std::ranges::equal(tail, ending, sameFolded) : tail == ending;
}

} // namespace

RuleTest::RuleTest(Kind kind, std::vector<std::string> values, bool ignoreCase)
    : kind_(kind), ignoreCase_(ignoreCase) {
    for (std::string& value : values) {
        if (kind == Kind::Glob || kind == Kind::Host) {
            wildcards_.emplace_back(value, ignoreCase);
        } else if (kind == Kind::Extension && !value.starts_with('.')) {
            value.insert(0, 1, '.');
        }
        values_.push_back(ignoreCase && kind != Kind::Sent ? AsciiText::lower(value)
                                                           : std::move(value));
    }
}

RuleTest::RuleTest(std::unique_ptr<platform::RegularExpression> expression)
    : kind_(Kind::Expression), expression_(std::move(expression)) {}

bool RuleTest::holds(LinkSubject& link) const {
    switch (kind_) {
    case Kind::Extension:
        return extensionHolds(link.fileName());
    case Kind::Glob:
        return wildcards_.front().matches(link.text());
    case Kind::Expression:
        return expression_->search(link.text());
    case Kind::Host:
        return hostHolds(link);
    case Kind::Scheme:
        return schemeHolds(link);
    case Kind::Text:
        return textHolds(link.text());
    case Kind::Sent:
        return sentHolds(link);
    }
    return false;
}

bool RuleTest::extensionHolds(std::string_view fileName) const {
    return std::ranges::any_of(values_, [&](const std::string& ending) {
        return endsWith(fileName, ending, ignoreCase_);
    });
}

bool RuleTest::hostHolds(LinkSubject& link) const {
    const LinkParts* parts = link.resolvedParts();
    return parts && parts->hasAuthority &&
           std::ranges::any_of(wildcards_,
                               [&](const Wildcard& host) { return host.matches(parts->host); });
}

bool RuleTest::schemeHolds(LinkSubject& link) const {
    const LinkParts* parts = link.resolvedParts();
    return parts && std::ranges::any_of(values_, [&](const std::string& scheme) {
               return ignoreCase_ ? std::ranges::equal(parts->scheme, scheme, sameFolded)
                                  : parts->scheme == scheme;
           });
}

bool RuleTest::textHolds(std::string_view text) const {
    const std::string& wanted = values_.front();
    return ignoreCase_ ? !std::ranges::search(text, wanted, sameFolded).empty()
                       : text.find(wanted) != std::string_view::npos;
}

bool RuleTest::sentHolds(LinkSubject& link) const {
    const SentLookup* sent = link.context().sent;
    return sent && sent->wasSent(link.resolved(), values_.front());
}

} // namespace harvex2::core
