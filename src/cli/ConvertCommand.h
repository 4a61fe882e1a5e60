#pragma once

#include "cli/RuleOptions.h"
#include "core/listfiles/SaveChoice.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

struct ConvertOptions {
    std::string input;
    std::string output;
    core::SaveFormat format = core::SaveFormat::LinkList;
    core::SaveScope scope = core::SaveScope::All;
    std::optional<std::string> base;
    bool cutLong = false; // nva: texts beyond 128 bytes are saved cut rather than refused
    bool help = false;
    RuleOptions rules;
};

// `harvex2-cli convert INPUT --to nva|html|text [--selected|--unselected] [--base URL]
// [--cut-long] -o OUTPUT`: writes a link list file or a plain-text list in any of the three forms
// of the Save Links dialog, with the same writers.
class ConvertCommand {
public:
    static std::optional<ConvertOptions> parse(const std::vector<std::string>& args,
                                               std::string& error);
    static int run(const ConvertOptions& options, std::FILE* out, std::FILE* err);

private:
    static std::string check(const ConvertOptions& options, bool formatGiven, std::size_t inputs);
    static void write(const ConvertOptions& options, std::FILE* err);
};

} // namespace harvex2::cli
