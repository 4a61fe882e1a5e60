#include "cli/LedgerCommand.h"

#include "cli/ExitStatus.h"
#include "cli/LinkWriter.h"
#include "cli/OptionParser.h"
#include "core/ledger/Ledger.h"
#include "core/ledger/LedgerForget.h"
#include "core/rules/RuleSet.h"
#include "platform/IoError.h"

#include <variant>

namespace harvex2::cli {

namespace {

constexpr std::string_view kSign = "+ ";

// The rules as one rule text, a line each; why a rule was refused, with its column, in
// `error`.
std::optional<core::RuleSet> ruleSetOf(const std::vector<std::string>& rules, std::string& error) {
    std::string text;
    for (const std::string& rule : rules) {
        auto parsed = core::RuleSet::parse(std::string(kSign) + rule);
        if (const auto* refused = std::get_if<core::RuleError>(&parsed)) {
            const std::size_t column = refused->column > kSign.size() ? refused->column - 2 : 1;
            error =
                "rule '" + rule + "', column " + std::to_string(column) + ": " + refused->reason;
            return std::nullopt;
        }
        text += std::string(kSign) + rule + "\n";
    }
    return std::get<core::RuleSet>(core::RuleSet::parse(text));
}

} // namespace

std::optional<LedgerOptions> LedgerCommand::parse(const std::vector<std::string>& args,
                                                  std::string& error) {
    LedgerOptions options;
    const OptionParser parser({
        {"--target", storeIn(options.target), "a target's name"},
        {"-h", "--help", turnOn(options.help)},
    });
    const auto words = parser.parse(args, error);
    if (!words) {
        return std::nullopt;
    }
    if (options.help) {
        return options;
    }
    if (words->empty() || words->front() != "forget") {
        error = words->empty() ? "ledger needs an action: forget"
                               : "unknown ledger action '" + words->front() + "'";
        return std::nullopt;
    }
    options.rules.assign(words->begin() + 1, words->end());
    if (options.rules.empty()) {
        error = "forget needs a RULE";
        return std::nullopt;
    }
    for (const std::string& rule : options.rules) {
        if (rule.find_first_of("\r\n") != std::string::npos) {
            error = "a RULE is one line";
            return std::nullopt;
        }
    }
    if (!ruleSetOf(options.rules, error)) {
        return std::nullopt;
    }
    return options;
}

int LedgerCommand::run(const LedgerOptions& options, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto rules = ruleSetOf(options.rules, error);
    core::Ledger ledger(core::Ledger::defaultPath());
    const core::RuleContext context{.base = {}, .sent = &ledger};
    std::vector<core::LedgerForget::Forgotten> forgotten;
    try {
        ledger.load();
        forgotten = core::LedgerForget::run(
            ledger,
            [&](std::string_view link) {
                return rules->decide(link, context) != core::RuleSet::kUndecided;
            },
            options.target);
    } catch (const platform::IoError& failure) {
        std::fprintf(err, "harvex2-cli: %s: %s\n", ledger.path().c_str(), failure.what());
        return kFailed;
    }
    LinkWriter writer(out, '\n');
    for (const auto& pair : forgotten) {
        writer.write(pair.target + "\t" + pair.link);
    }
    return writer.finish(err, "forgotten links") ? kSuccess : kFailed;
}

} // namespace harvex2::cli
