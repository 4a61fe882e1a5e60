#include "cli/ListCommand.h"

#include "cli/ExitStatus.h"
#include "cli/LinkWriter.h"
#include "core/listfiles/LinkListLoader.h"
#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"

namespace harvex2::cli {

namespace {

// The header texts, and whether the file held them at all.
class ReadHeader final : public core::ListFileBoxes {
public:
    std::string baseUrl() const override { return baseUrl_; }
    std::string downloadDirectory() const override { return directory_; }
    void setBaseUrl(const std::string& text) override { baseUrl_ = text; }
    void setDownloadDirectory(const std::string& text) override {
        directory_ = text;
        complete_ = true;
    }
    bool complete() const { return complete_; }

private:
    std::string baseUrl_;
    std::string directory_;
    bool complete_ = false;
};

} // namespace

std::optional<ListOptions> ListCommand::parse(const std::vector<std::string>& args,
                                              std::string& error) {
    ListOptions options;
    bool onlyFiles = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (onlyFiles || arg.size() < 2 || arg.front() != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "-0" || arg == "--null") {
            options.separator = '\0';
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    if (options.help) {
        return options;
    }
    if (files.size() != 1) {
        error = files.empty() ? "no FILE given" : "list takes one FILE";
        return std::nullopt;
    }
    options.file = files.front();
    return options;
}

int ListCommand::run(const ListOptions& options, std::FILE* out, std::FILE* err) {
    core::LinkList links;
    ReadHeader header;
    std::string failure;
    try {
        core::LinkListLoader(links, header).load(options.file);
    } catch (const platform::IoError& error) {
        failure = error.what();
    }
    LinkWriter writer(out, options.separator);
    if (header.complete()) {
        writer.write("base\t" + header.baseUrl());
        writer.write("directory\t" + header.downloadDirectory());
    }
    std::string line;
    for (std::size_t i = 0; i < links.count(); ++i) {
        line.assign(links.checkedAt(i) ? "1\t" : "0\t");
        line += links.textAt(i);
        writer.write(line);
    }
    if (!failure.empty()) {
        writer.flush();
        std::fprintf(err, "harvex2-cli: %s: %s\n", options.file.c_str(), failure.c_str());
        return kFailed;
    }
    return writer.finish(err, "list") ? kSuccess : kFailed;
}

} // namespace harvex2::cli
