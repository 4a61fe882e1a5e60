#pragma once

#include "core/sequence/SequenceFields.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

struct SequenceOptions {
    core::SequenceFields fields; // nv is not used; glob: the URL is the --glob TEMPLATE
    std::optional<std::string> mask;
    char separator = '\n';
    bool help = false;
};

// `harvex2-cli sequence`: the URLs the Add Sequential Files dialog makes from a template
// and a range, or from a bracket template with --glob, one per line, each followed by a tab
// and its download path with --dir, or its name with --mask.
class SequenceCommand {
public:
    // Reads the arguments after "sequence"; an error text when they make no sense.
    static std::optional<SequenceOptions> parse(const std::vector<std::string>& args,
                                                std::string& error);
    static int run(const SequenceOptions& options, std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
