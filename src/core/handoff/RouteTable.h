#pragma once

#include "core/handoff/AddingRows.h"
#include "core/handoff/TargetKind.h"
#include "core/handoff/TargetTable.h"
#include "core/rules/RuleSet.h"
#include "core/shell/SettingsRecord.h"

#include <cstddef>
#include <optional>
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
        std::optional<NamedTarget> target; // none on a "-" line
        std::string folder;                // empty: the download folder
    };

    // The rows of one Add that go to one target, in their order, with the folder of each.
    struct Share {
        NamedTarget target;
        std::vector<std::size_t> rows;
        std::vector<std::string> folders; // one per row; empty: the download folder
    };

    // Target names are looked up among the table's targets and the aria2 endpoints of
    // `settings`.
    static std::variant<RouteTable, RuleError> parse(std::string_view text,
                                                     const SettingsRecord& settings = {});
    // The preset's routes, or why they cannot be used, as the user is told.
    static std::variant<RouteTable, std::string> load(const RulePresets& presets,
                                                      const SettingsRecord& settings);

    // The route that takes `link`; null when none does.
    const Route* routeFor(std::string_view link, const RuleContext& context) const;
    // Every row to the target its route names, the others to `chosen`: one share per target
    // that gets any, in the order of the target table, endpoints of one kind in the order
    // their first rows came.
    std::vector<Share> split(const AddingRows& rows, const NamedTarget& chosen,
                             const RuleContext& context) const;

private:
    RuleSet rules_;
    std::vector<Route> routes_; // one for each line of rules_
};

} // namespace harvex2::core
