#pragma once

#include "cli/RuleOptions.h"
#include "core/extract/LinkFinder.h"
#include "core/shell/SettingsRecord.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

class LinkWriter;

struct ExtractOptions {
    core::SettingsRecord switches; // only the ignore rules are used
    core::ReadingChoice reading{.resolvePageLinks = false};
    std::optional<std::string> base;
    char separator = '\n';
    bool text = false; // plain text, read by the text link finder
    bool help = false;
    std::vector<std::string> files;
    RuleOptions rules;
};

// `harvex2-cli extract`: the links of each file in turn, as the Parse HTML dialog finds
// them, one per line or NUL-terminated. A page's own address resolves its links only when
// asked for: a script may want the values as found.
class ExtractCommand {
public:
    // The file name that stands for standard input.
    static constexpr const char* kStandardInput = "-";

    // Reads the arguments after "extract"; an error text when they make no sense.
    static std::optional<ExtractOptions> parse(const std::vector<std::string>& args,
                                               std::string& error);
    static int run(const ExtractOptions& options, std::FILE* out, std::FILE* err);

private:
    using Reading = std::function<void(core::ByteSource& source)>;

    // False when the file could not be opened.
    static bool readFile(const std::string& path, const Reading& read, LinkWriter& writer,
                         std::FILE* err);
};

} // namespace harvex2::cli
