#pragma once

#include "core/handoff/NameMask.h"
#include "core/handoff/Referrer.h"
#include "core/handoff/UniqueNames.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The name and referrer of each link of one hand-off, in row order: the Adding window's
// pass, the command line and the exports share it.
class LinkNaming {
public:
    struct Setup {
        std::string mask;  // empty: no mask
        Referrer referrer; // Kind::None: no referrer
        std::string baseUrl;
        HandoffDate date;
        std::size_t count = 1; // rows in all, for *num*
    };
    // What is known of one link.
    struct Link {
        std::string_view url;
        std::string_view origin;
        // An imported name, which wins over the mask; null when none.
        const std::string* name = nullptr;
        const std::vector<std::string>* counters = nullptr;
    };
    struct Named {
        std::string name; // relative path; empty: the download manager names the file
        std::string referrer;
    };

    LinkNaming(Setup setup, UniqueNames names);

    // Names the next row. Call once per row, in order.
    Named next(const Link& link);
    // True when nothing would be named and no referrer given, so callers can skip the work.
    bool idle() const { return mask_.empty() && setup_.referrer.kind == Referrer::Kind::None; }

private:
    Setup setup_;
    NameMask mask_;
    UniqueNames names_;
    std::uint64_t number_ = 0;
};

} // namespace harvex2::core
