#include "core/rules/LinkSubject.h"

#include "core/extract/BaseUrl.h"

namespace harvex2::core {

LinkSubject::LinkSubject(std::string_view text, const RuleContext& context)
    : text_(text), context_(context) {}

std::string_view LinkSubject::fileName() {
    if (!fileName_) {
        fileName_ = LinkParts::split(text_).fileName();
    }
    return *fileName_;
}

const LinkParts* LinkSubject::resolvedParts() {
    resolve();
    return parts_ ? &*parts_ : nullptr;
}

std::string_view LinkSubject::resolved() {
    resolve();
    return resolved_;
}

void LinkSubject::resolve() {
    if (resolvedDone_) {
        return;
    }
    resolvedDone_ = true;
    resolved_ = text_;
    if (!BaseUrl::isAbsolute(text_) && !context_.base.empty()) {
        joined_ = BaseUrl::join(context_.base, text_);
        resolved_ = joined_;
    }
    LinkParts parts = LinkParts::split(resolved_);
    if (!parts.scheme.empty()) {
        parts_ = parts;
    }
}

} // namespace harvex2::core
