#include "cli/ExtractCommand.h"

#include "cli/ExitStatus.h"
#include "cli/LinkWriter.h"
#include "cli/ListenedSource.h"
#include "cli/OptionParser.h"
#include "cli/StandardInput.h"
#include "core/extract/BaseUrl.h"
#include "core/extract/HtmlFile.h"
#include "core/extract/SettingsSwitches.h"
#include "core/extract/TextLinks.h"
#include "platform/IoError.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace harvex2::cli {

namespace {

// The system's words for its own errors, the program's for a file it refuses.
std::string openFailure(int code) {
    return code > 0 ? std::strerror(code) : platform::IoError::textFor(code);
}

} // namespace

std::optional<ExtractOptions> ExtractCommand::parse(const std::vector<std::string>& args,
                                                    std::string& error) {
    ExtractOptions options;
    core::SettingsRecord& switches = options.switches;
    core::ReadingChoice& reading = options.reading;
    std::vector<CommandOption> table{
        {"--keep-mailto", turnOff(switches.ignoreMailTo)},
        {"--keep-bookmarks", turnOff(switches.ignoreBookmarks)},
        {"--keep-query", turnOff(switches.qLinks)},
        {"--keep-script-links", turnOff(switches.ignoreScriptLinks)},
        {"--text", turnOn(options.text)},
        {"--quick", turnOn(reading.quickScan)},
        {"--media", turnOn(reading.mediaSources)},
        {"--resolve", turnOn(reading.resolvePageLinks)},
        {"--base", storeIn(options.base), "a URL"},
        {"-0", "--null", [&options] { options.separator = '\0'; }},
        {"-h", "--help", turnOn(options.help)},
    };
    options.rules.addTo(table, false);
    auto files = OptionParser(std::move(table)).parse(args, error);
    if (!files || !options.rules.compile(error)) {
        return std::nullopt;
    }
    if (files->empty() && !options.help) {
        error = "no FILE given";
        return std::nullopt;
    }
    options.files = std::move(*files);
    return options;
}

int ExtractCommand::run(const ExtractOptions& options, std::FILE* out, std::FILE* err) {
    LinkWriter writer(out, options.separator);
    const std::string base = options.base.value_or(std::string());
    const core::SettingsSwitches switches(options.switches);
    // With rules, a link's fate is known only once all are in.
    std::vector<std::string> picked;
    const auto write = [&](std::string_view link) {
        if (options.rules.active()) {
            picked.push_back(base.empty() ? std::string(link) : core::BaseUrl::resolve(base, link));
        } else if (base.empty()) {
            writer.write(link);
        } else {
            writer.write(core::BaseUrl::resolve(base, link));
        }
    };
    // Links to resolve wait for the end of their page, where its address may stand.
    const bool hold = options.reading.resolvePageLinks && !options.reading.quickScan;
    std::vector<std::string> held;
    core::LinkFinder finder(options.reading, switches, [&](std::string_view link) {
        if (hold) {
            held.emplace_back(link);
        } else {
            write(link);
        }
    });
    core::TextLinks textLinks(write);
    const auto read = [&](core::ByteSource& source) {
        if (options.text) {
            textLinks.scan(source);
        } else {
            finder.scan(source);
        }
    };
    int status = kSuccess;
    for (const std::string& path : options.files) {
        if (!writer.deliver()) {
            break;
        }
        try {
            if (!readFile(path, read, writer, err)) {
                status = kFailed;
            }
            if (const std::string address = finder.resolvingAddress(); !address.empty()) {
                core::LinkFinder::resolveAll(address, held);
            }
            for (const std::string& link : std::exchange(held, {})) {
                write(link);
            }
        } catch (const std::bad_alloc&) {
            // What was found before still comes out; the memory that failed is free again.
            writer.flush();
            std::fprintf(err, "harvex2-cli: Not enough memory to read the HTML source file '%s'\n",
                         path.c_str());
            return kFailed;
        }
    }
    for (const std::string& link : options.rules.pick(std::move(picked), {base}, err)) {
        writer.write(link);
    }
    return writer.finish(err, "links") ? status : kFailed;
}

bool ExtractCommand::readFile(const std::string& path, const Reading& read, LinkWriter& writer,
                              std::FILE* err) {
    if (path == kStandardInput) {
        StandardInput input;
        ListenedSource source(input, writer);
        read(source);
        return true;
    }
    core::HtmlFile file(path);
    if (!file.isOpen()) {
        // Links already found come out before the complaint, as they were found.
        writer.flush();
        std::fprintf(err, "harvex2-cli: Error opening the HTML source file '%s': %s\n",
                     path.c_str(), openFailure(file.error()).c_str());
        return false;
    }
    ListenedSource source(file, writer);
    read(source);
    return true;
}

} // namespace harvex2::cli
