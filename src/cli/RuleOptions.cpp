#include "cli/RuleOptions.h"

#include "core/rules/RuleApplication.h"
#include "core/shell/DuplicateRemoval.h"
#include "platform/IoError.h"
#include "platform/posix/ReadingFile.h"

#include <algorithm>

namespace harvex2::cli {

namespace {

// Throws platform::IoError.
std::string readRules(const std::string& path) {
    platform::ReadingFile in(path);
    std::string text;
    char piece[1 << 14];
    while (const std::size_t got = in.read(piece, sizeof piece)) {
        text.append(piece, got);
    }
    return text;
}

} // namespace

void RuleOptions::addTo(std::vector<CommandOption>& table, bool onlySelected) {
    table.emplace_back(
        "--select", [this](const std::string& rule) { return addLine('+', rule); }, "a RULE");
    table.emplace_back(
        "--exclude", [this](const std::string& rule) { return addLine('-', rule); }, "a RULE");
    table.emplace_back(
        "--rules",
        [this](const std::string& path) {
            pieces_.push_back({path, path, true});
            return std::string();
        },
        "a FILE");
    table.emplace_back("--unique", turnOn(unique_));
    table.emplace_back("--unique-strip-tracking", [this] { unique_ = stripTracking_ = true; });
    table.emplace_back("--explain", turnOn(explain_));
    if (onlySelected) {
        table.emplace_back("--only-selected", turnOn(onlySelected_));
    }
}

std::string RuleOptions::addLine(char sign, const std::string& rule) {
    std::string label = sign == '+' ? "--select" : "--exclude";
    if (rule.find_first_of("\r\n") != std::string::npos) {
        return "option '" + label + "' takes one rule line";
    }
    pieces_.push_back({std::move(label), std::string{sign, ' '} + rule});
    return {};
}

bool RuleOptions::compile(std::string& error) {
    if (pieces_.empty()) {
        return true;
    }
    std::string joined;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        Piece& piece = pieces_[i];
        if (piece.fromFile) {
            try {
                piece.text = readRules(piece.label);
            } catch (const platform::IoError& failure) {
                error = piece.label + ": " + failure.what();
                return false;
            }
        }
        if (!piece.text.ends_with('\n')) {
            piece.text += '\n';
        }
        const auto lines = static_cast<std::size_t>(std::ranges::count(piece.text, '\n'));
        for (std::size_t line = 1; line <= lines; ++line) {
            lineOrigins_.emplace_back(i, line);
        }
        joined += piece.text;
    }
    auto parsed = core::RuleSet::parse(joined);
    if (const auto* refused = std::get_if<core::RuleError>(&parsed)) {
        const Piece& piece = pieces_[lineOrigins_[refused->line - 1].first];
        // The column counts in the rule as the user typed it, without the sign put before it.
        const std::size_t column =
            piece.fromFile || refused->column <= 2 ? refused->column : refused->column - 2;
        error =
            where(refused->line) + ", column " + std::to_string(column) + ": " + refused->reason;
        return false;
    }
    rules_ = std::get<core::RuleSet>(std::move(parsed));
    return readLedger(error);
}

bool RuleOptions::readLedger(std::string& error) {
    const auto asksSent = [](const core::RuleSet::Line& line) {
        return std::ranges::any_of(line.tests, [](const core::RuleTest& test) {
            return test.kind() == core::RuleTest::Kind::Sent;
        });
    };
    if (!std::ranges::any_of(rules_->lines(), asksSent)) {
        return true;
    }
    ledger_.emplace(core::Ledger::defaultPath());
    try {
        ledger_->load();
    } catch (const platform::IoError& failure) {
        error = ledger_->path() + ": " + failure.what();
        return false;
    }
    return true;
}

// "rules.txt, line 3", or "--select 'ext:jpg'".
std::string RuleOptions::where(std::size_t line) const {
    const auto [index, inPiece] = lineOrigins_[line - 1];
    const Piece& piece = pieces_[index];
    if (piece.fromFile) {
        return piece.label + ", line " + std::to_string(inPiece);
    }
    return piece.label + " '" + piece.text.substr(2, piece.text.size() - 3) + "'";
}

void RuleOptions::apply(core::LinkList& links, const core::RuleContext& given,
                        std::FILE* explain) const {
    core::RuleContext context = given;
    if (!context.sent && ledger_) {
        context.sent = &*ledger_;
    }
    if (rules_) {
        if (explain_) {
            explainAll(links, context, explain);
        }
        const bool start = rules_->startsSelected();
        links.recheck([&](const core::LinkList::Entry& entry) {
            return core::checkedAfter(*rules_, context, entry.text, start);
        });
    }
    if (unique_) {
        core::removeDuplicates(links, {context.base, stripTracking_});
    }
    if (onlySelected_) {
        links.invertSelection();
        links.removeSelected();
        links.selectAll();
    }
}

std::vector<std::string> RuleOptions::pick(std::vector<std::string> links,
                                           const core::RuleContext& context,
                                           std::FILE* explain) const {
    if (!active()) {
        return links;
    }
    core::LinkList list;
    list.appendAll(std::move(links));
    list.selectAll();
    apply(list, context, explain);
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < list.count(); ++i) {
        if (list.checkedAt(i)) {
            kept.emplace_back(list.textAt(i));
        }
    }
    return kept;
}

// One line per entry: the deciding line (with its place in a rules file), a tab and the link.
void RuleOptions::explainAll(const core::LinkList& links, const core::RuleContext& context,
                             std::FILE* explain) const {
    for (std::size_t i = 0; i < links.count(); ++i) {
        const std::size_t decided = rules_->decide(links.textAt(i), context);
        std::string text = "no line";
        if (decided != core::RuleSet::kUndecided) {
            const core::RuleSet::Line& line = rules_->lines()[decided];
            const bool fromFile = pieces_[lineOrigins_[line.number - 1].first].fromFile;
            text = fromFile ? where(line.number) + ": " + line.text : line.text;
        }
        std::fprintf(explain, "%s\t", text.c_str());
        std::fwrite(links.textAt(i).data(), 1, links.textAt(i).size(), explain);
        std::fputc('\n', explain);
    }
}

} // namespace harvex2::cli
