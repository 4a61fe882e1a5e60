#pragma once

#include "core/shell/CanonicalLink.h"
#include "core/shell/LinkList.h"

#include <cstddef>

namespace harvex2::core {

// Removes every entry whose canonical form an earlier entry has. The first stays, its
// text untouched, and is checked when any of its copies was. One change of the list with
// one notification; returns how many entries went.
std::size_t removeDuplicates(LinkList& links, const CanonicalLink::Options& options);

} // namespace harvex2::core
