#include "core/handoff/Referrer.h"

namespace harvex2::core {

Referrer Referrer::parse(std::string_view value) {
    if (value == "none") {
        return {Kind::None, {}};
    }
    if (value == "page") {
        return {Kind::Page, {}};
    }
    return {Kind::Fixed, std::string(value)};
}

std::string_view Referrer::forLink(std::string_view origin, std::string_view baseUrl) const {
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Page:
        return origin.empty() ? baseUrl : origin;
    case Kind::Fixed:
        return fixed;
    }
    return {};
}

} // namespace harvex2::core
