#pragma once

#include "cli/RuleOptions.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

struct ListOptions {
    std::string file;
    char separator = '\n';
    // Only the entries no target confirmed before.
    bool onlyNew = false;
    RuleOptions rules;
    bool help = false;
};

// `harvex2-cli list FILE.nva`: what a link list file holds, one line each: "base", a tab
// and the Base URL; "directory", a tab and the download directory; then per entry "1" or
// "0" (checked or not), a tab and its text.
class ListCommand {
public:
    static std::optional<ListOptions> parse(const std::vector<std::string>& args,
                                            std::string& error);
    static int run(const ListOptions& options, std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
