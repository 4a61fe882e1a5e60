#include "core/handoff/LinkNaming.h"

namespace harvex2::core {

LinkNaming::LinkNaming(Setup setup, UniqueNames names)
    : setup_(std::move(setup)), mask_(setup_.mask), names_(std::move(names)) {}

LinkNaming::Named LinkNaming::next(const Link& link) {
    ++number_;
    Named named;
    if (link.name) {
        named.name = NameMask::cleanPath(*link.name);
    } else if (!mask_.empty()) {
        named.name = mask_.pathFor({link.url, number_, setup_.count, link.counters}, setup_.date);
    }
    named.name = names_.claim(named.name);
    named.referrer = setup_.referrer.forLink(link.origin, setup_.baseUrl);
    return named;
}

} // namespace harvex2::core
