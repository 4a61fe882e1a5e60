#pragma once

#include "core/shell/SettingsRecord.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

struct ExtractOptions {
    core::SettingsRecord switches; // only the three ignore rules are used
    std::optional<std::string> base;
    char separator = '\n';
    bool help = false;
    std::vector<std::string> files;
};

// `harvex2-cli extract`: the links of each file in turn, as the Parse HTML dialog finds
// them, one per line or NUL-terminated.
class ExtractCommand {
public:
    // Reads the arguments after "extract"; an error text when they make no sense.
    static std::optional<ExtractOptions> parse(const std::vector<std::string>& args,
                                               std::string& error);
    static int run(const ExtractOptions& options, std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
