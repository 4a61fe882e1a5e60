#pragma once

#include "core/handoff/AddingRows.h"
#include "core/handoff/TargetKind.h"
#include "core/rules/RuleSet.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace harvex2::core {

class RulePresets;

// A rules text whose lines send links to targets: "+ ext:mp4,mkv -> nas:/data/video". As
// in a rule set, the last line whose tests hold decides a link. A "+" line sends it to the
// target it names, into the folder after the colon when one is given; a "-" line keeps it
// with the chosen target and names none.
class RouteTable {
public:
    struct Route {
        const TargetKind* target = nullptr; // null on a "-" line
        std::string folder;                 // empty: the download folder
    };

    // The rows of one Add that go to one target, in their order, with the folder of each.
    struct Share {
        const TargetKind* target = nullptr;
        std::vector<std::size_t> rows;
        std::vector<std::string> folders; // one per row; empty: the download folder
    };

    static std::variant<RouteTable, RuleError> parse(std::string_view text);
    // The preset's routes, or why they cannot be used, as the user is told.
    static std::variant<RouteTable, std::string> load(const RulePresets& presets,
                                                      const std::string& name);

    // The route that takes `link`; null when none does.
    const Route* routeFor(std::string_view link, const RuleContext& context) const;
    // Every row to the target its route names, the others to `chosen`: one share per target
    // that gets any, in the order of the target table.
    std::vector<Share> split(const AddingRows& rows, const TargetKind& chosen,
                             const RuleContext& context) const;

    // The row of the target table a route's name stands for, its case ignored; null for
    // none.
    static const TargetKind* targetNamed(std::string_view name);

private:
    RuleSet rules_;
    std::vector<Route> routes_; // one for each line of rules_
};

} // namespace harvex2::core
