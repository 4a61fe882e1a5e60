#include "cli/ListCommand.h"

#include "cli/ExitStatus.h"
#include "cli/LinkWriter.h"
#include "cli/OptionParser.h"
#include "core/ledger/Ledger.h"
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
    std::vector<CommandOption> table{
        {"-0", "--null", [&options] { options.separator = '\0'; }},
        {"--new", turnOn(options.onlyNew)},
        {"-h", "--help", turnOn(options.help)},
    };
    options.rules.addTo(table, true);
    const auto files = OptionParser(std::move(table)).parse(args, error);
    if (!files || !options.rules.compile(error)) {
        return std::nullopt;
    }
    if (options.help) {
        return options;
    }
    if (files->size() != 1) {
        error = files->empty() ? "no FILE given" : "list takes one FILE";
        return std::nullopt;
    }
    options.file = files->front();
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
    core::Ledger ledger(core::Ledger::defaultPath());
    if (options.onlyNew) {
        try {
            ledger.load();
        } catch (const platform::IoError& error) {
            std::fprintf(err, "harvex2-cli: %s: %s\n", ledger.path().c_str(), error.what());
            return kFailed;
        }
    }
    const std::string base = header.baseUrl();
    options.rules.apply(links, {base, options.onlyNew ? &ledger : nullptr}, err);
    std::vector<bool> sent(links.count());
    if (options.onlyNew) {
        sent = ledger.markSent(links, base);
    }
    LinkWriter writer(out, options.separator);
    if (header.complete()) {
        writer.write("base\t" + header.baseUrl());
        writer.write("directory\t" + header.downloadDirectory());
    }
    std::string line;
    for (std::size_t i = 0; i < links.count(); ++i) {
        if (sent[i]) {
            continue;
        }
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
