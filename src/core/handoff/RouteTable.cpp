#include "core/handoff/RouteTable.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/handoff/TargetTable.h"
#include "core/rules/RuleParser.h"
#include "core/rules/RulePresets.h"
#include "platform/AsciiText.h"
#include "platform/IoError.h"

#include <algorithm>

namespace harvex2::core {

using platform::AsciiText;

namespace {

constexpr std::string_view kArrow = "->";
constexpr std::string_view kBlanks = " \t";

struct Failure {
    RuleError error;
};

// Blank lines and comments route nothing, as they decide nothing in a rule set.
bool routes(std::string_view line) {
    const std::string_view trimmed = AsciiText::trim(line);
    return !trimmed.empty() && trimmed.front() != '#';
}

// The table's targets, then the aria2 endpoints that do not share a target's name.
std::string targetNames(const SettingsRecord& settings) {
    std::vector<std::string> all;
    for (const TargetKind& kind : TargetTable::kinds()) {
        all.emplace_back(kind.name);
    }
    for (const Aria2Endpoint& endpoint : Aria2Endpoints::of(settings)) {
        if (std::ranges::none_of(TargetTable::kinds(), [&endpoint](const TargetKind& kind) {
                return AsciiText::equalsIgnoringCase(kind.name, endpoint.name);
            })) {
            all.push_back(endpoint.name);
        }
    }
    std::string names;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i > 0) {
            names += i + 1 == all.size() ? " and " : ", ";
        }
        names += all[i];
    }
    return names;
}

// One line that routes: its rule part is checked by the rule parser, the rest here.
class RouteLine {
public:
    RouteLine(std::string_view line, std::size_t number, const SettingsRecord& settings)
        : line_(line), number_(number), settings_(settings) {}

    // The line's route; `rule` becomes the part before the arrow.
    RouteTable::Route read(std::string_view& rule) const {
        const char sign = AsciiText::trim(line_).front();
        const auto arrow = line_.rfind(kArrow);
        rule = line_.substr(0, arrow);
        if (arrow != std::string_view::npos && !routes(rule)) {
            fail(0, "A route begins with a rule, such as + ext:mp4.");
        }
        if (auto parsed = RuleParser::parseLine(rule, number_);
            std::holds_alternative<RuleError>(parsed)) {
            throw Failure{std::get<RuleError>(std::move(parsed))};
        }
        if (arrow == std::string_view::npos) {
            if (sign == '+') {
                fail(line_.size(), "A route ends in -> and a target, such as -> aria2.");
            }
            return {};
        }
        if (sign == '-') {
            fail(arrow, "A - line keeps its links with the chosen target and names none.");
        }
        return target(arrow + kArrow.size());
    }

private:
    RouteTable::Route target(std::size_t from) const {
        const std::size_t start = std::min(line_.find_first_not_of(kBlanks, from), line_.size());
        const std::string_view written = line_.substr(start);
        const auto colon = written.find(':');
        const std::string_view name = AsciiText::trim(written.substr(0, colon));
        if (name.empty()) {
            fail(start, "Name a target after ->, such as aria2.");
        }
        RouteTable::Route route{TargetTable::findByName(name, settings_), {}};
        if (!route.target) {
            fail(start, "There is no target \"" + std::string(name) + "\"; the targets are " +
                            targetNames(settings_) + ".");
        }
        if (colon != std::string_view::npos) {
            route.folder = AsciiText::trim(written.substr(colon + 1));
            if (route.folder.empty()) {
                fail(start + colon + 1, "Write a folder after the colon, or leave the colon out.");
            }
        }
        return route;
    }

    [[noreturn]] void fail(std::size_t at, std::string reason) const {
        throw Failure{{number_, RuleError::columnOf(line_, at), std::move(reason)}};
    }

    std::string_view line_;
    std::size_t number_;
    const SettingsRecord& settings_;
};

} // namespace

std::variant<RouteTable, RuleError> RouteTable::parse(std::string_view text,
                                                      const SettingsRecord& settings) {
    RouteTable table;
    // The rule parts, line for line, so that the rule set's lines match the routes.
    std::string rules;
    std::size_t number = 0;
    try {
        while (!text.empty()) {
            const std::string_view line = RuleParser::takeLine(text);
            ++number;
            std::string_view rule = line;
            if (routes(line)) {
                table.routes_.push_back(RouteLine(line, number, settings).read(rule));
            }
            rules.append(rule).append(1, '\n');
        }
    } catch (Failure& failure) {
        return std::move(failure.error);
    }
    table.rules_ = std::get<RuleSet>(RuleSet::parse(rules));
    return table;
}

std::variant<RouteTable, std::string> RouteTable::load(const RulePresets& presets,
                                                       const SettingsRecord& settings) {
    const std::string& name = settings.routesPreset;
    const std::string refused = "Nothing was handed over: the routes \"" + name + "\" ";
    std::string text;
    try {
        text = presets.load(name);
    } catch (const platform::IoError& error) {
        return refused + "cannot be read (" + error.what() + ").";
    }
    auto parsed = parse(text, settings);
    if (auto* error = std::get_if<RuleError>(&parsed)) {
        return refused + "cannot be used.\r\n" + error->message();
    }
    return std::get<RouteTable>(std::move(parsed));
}

const RouteTable::Route* RouteTable::routeFor(std::string_view link,
                                              const RuleContext& context) const {
    const std::size_t line = rules_.decide(link, context);
    return line == RuleSet::kUndecided ? nullptr : &routes_[line];
}

std::vector<RouteTable::Share> RouteTable::split(const AddingRows& rows, const NamedTarget& chosen,
                                                 const RuleContext& context) const {
    std::vector<Share> shares;
    for (std::size_t row = 0; row < rows.count(); ++row) {
        const Route* route = routeFor(rows.at(row).url, context);
        const bool routed = route && route->target;
        const NamedTarget& target = routed ? *route->target : chosen;
        auto share = std::ranges::find_if(shares, [&target](const Share& held) {
            return held.target.kind == target.kind && held.target.endpoint == target.endpoint;
        });
        if (share == shares.end()) {
            share = shares.insert(shares.end(), Share{target, {}, {}});
        }
        share->rows.push_back(row);
        share->folders.push_back(routed ? route->folder : std::string());
    }
    // The table's rows stand in one array, in table order.
    std::ranges::stable_sort(shares, std::less<>(),
                             [](const Share& share) { return share.target.kind; });
    return shares;
}

} // namespace harvex2::core
