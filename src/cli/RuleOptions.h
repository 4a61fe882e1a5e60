#pragma once

#include "cli/CommandOption.h"
#include "core/ledger/Ledger.h"
#include "core/rules/RuleContext.h"
#include "core/rules/RuleSet.h"
#include "core/shell/LinkList.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

// The options that pick links by rules and drop duplicates, shared by every command that
// handles a list: "--select RULE" is the line "+ RULE", "--exclude RULE" the line
// "- RULE", and "--rules FILE" the lines of FILE, all in the order given.
class RuleOptions {
public:
    // Adds the option lines to a command's table; `onlySelected` adds "--only-selected" for
    // commands that otherwise keep every entry.
    void addTo(std::vector<CommandOption>& table, bool onlySelected);
    // Reads the rule files and parses every line, and reads the ledger when a rule asks
    // what was sent; false, with `error` set to where and why, when a rule does not parse
    // or a file cannot be read.
    bool compile(std::string& error);

    // True when apply() changes anything.
    bool active() const { return rules_.has_value() || unique_; }
    bool onlySelected() const { return onlySelected_; }
    // With rules, every entry starts in the state their first line implies and the last
    // line that holds decides; then duplicates go, the first kept and checked when any copy
    // was; then, with --only-selected, the unchecked entries go. With --explain, each
    // entry's deciding line is told on `explain`. Without a ledger in `context`, "sent:"
    // asks the one compile() read.
    void apply(core::LinkList& links, const core::RuleContext& context, std::FILE* explain) const;
    // apply() to links that all start selected: those selected at the end, in order.
    std::vector<std::string> pick(std::vector<std::string> links, const core::RuleContext& context,
                                  std::FILE* explain) const;

private:
    struct Piece {
        std::string label; // "--select", or the file's name
        std::string text;
        bool fromFile = false;
    };

    std::string addLine(char sign, const std::string& rule);
    std::string where(std::size_t line) const;
    bool readLedger(std::string& error);
    void explainAll(const core::LinkList& links, const core::RuleContext& context,
                    std::FILE* explain) const;

    std::vector<Piece> pieces_;
    // Per line of the joined text, from 1: the piece and its line in it.
    std::vector<std::pair<std::size_t, std::size_t>> lineOrigins_;
    std::optional<core::RuleSet> rules_;
    std::optional<core::Ledger> ledger_;
    bool unique_ = false;
    bool stripTracking_ = false;
    bool explain_ = false;
    bool onlySelected_ = false;
};

} // namespace harvex2::cli
