#pragma once

#include "cli/RuleOptions.h"
#include "core/listfiles/SaveChoice.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {
class LinkList;
}
namespace harvex2::platform {
class ReplacingFile;
}

namespace harvex2::cli {

struct ConvertOptions {
    std::string input;
    std::string output;
    core::SaveFormat format = core::SaveFormat::LinkList;
    core::SaveScope scope = core::SaveScope::All;
    std::optional<std::string> base;
    bool cutLong = false; // nva: texts beyond 128 bytes are saved cut rather than refused
    // Lists for download managers.
    std::string mask;
    std::string dir;
    std::string referrer = "none";
    bool names = false; // a text INPUT holds "link<TAB>name" lines
    bool help = false;
    RuleOptions rules;
};

// `harvex2-cli convert INPUT --to nva|html|text|aria2|wget|curl|jsonl [--selected|--unselected]
// [--base URL] [--cut-long] [--mask M] [--dir D] [--referer none|page|TEXT] [--names]
// -o OUTPUT`: writes a link list file, a plain-text list, or a list for a download manager in
// any of the forms of the Save Links dialog, with the same writers.
class ConvertCommand {
public:
    static std::optional<ConvertOptions> parse(const std::vector<std::string>& args,
                                               std::string& error);
    static int run(const ConvertOptions& options, std::FILE* out, std::FILE* err);

private:
    static std::string check(const ConvertOptions& options, bool formatGiven, std::size_t inputs);
    static void write(const ConvertOptions& options, std::FILE* err);
    static std::string writeForManager(const ConvertOptions& options, const core::LinkList& links,
                                       const std::string& baseUrl, platform::ReplacingFile& out);
};

} // namespace harvex2::cli
