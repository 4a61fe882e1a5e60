#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

struct LedgerOptions {
    // Each "+ RULE", one rule line.
    std::vector<std::string> rules;
    std::string target;
    bool help = false;
};

// `harvex2-cli ledger forget RULE... [--target NAME]`: takes the links any RULE holds for
// out of the record of what was sent, for the target NAME or every target, and prints each
// forgotten one: the target, a tab and the link.
class LedgerCommand {
public:
    static std::optional<LedgerOptions> parse(const std::vector<std::string>& args,
                                              std::string& error);
    static int run(const LedgerOptions& options, std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
