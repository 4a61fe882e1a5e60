#include "cli/SendCommand.h"

#include "cli/ExitStatus.h"
#include "core/handoff/Aria2Handover.h"
#include "core/handoff/DownloadTarget.h"
#include "core/shell/SettingsRecord.h"
#include "platform/IoError.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/ReadingFile.h"

#include <cstdlib>
#include <iostream>
#include <iterator>
#include <sstream>

namespace harvex2::cli {

namespace {

bool takesValue(const std::string& name) {
    return name == "--rpc" || name == "--secret" || name == "--dir";
}

void applyValue(const std::string& name, std::string value, SendOptions& options) {
    (name == "--rpc"      ? options.rpcUrl
     : name == "--secret" ? options.secret
                          : options.dir) = std::move(value);
}

// Reads one option at args[i], with its value from args[i + 1] when it has one apart.
bool applyOption(const std::vector<std::string>& args, std::size_t& i, SendOptions& options,
                 bool& aria2, std::string& error) {
    const std::string& arg = args[i];
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (takesValue(name)) {
        if (equals != std::string::npos) {
            applyValue(name, arg.substr(equals + 1), options);
        } else if (++i < args.size()) {
            applyValue(name, args[i], options);
        } else {
            error = "option '" + name + "' needs a value";
            return false;
        }
    } else if (arg == "--aria2") {
        aria2 = true;
    } else if (arg == "-0" || arg == "--null") {
        options.separator = '\0';
    } else if (arg == "-h" || arg == "--help") {
        options.help = true;
    } else {
        error = "unknown option '" + arg + "'";
        return false;
    }
    return true;
}

// Throws platform::IoError.
std::string readInput(const std::string& file) {
    if (file == "-") {
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    }
    platform::ReadingFile in(file);
    std::string bytes;
    char piece[1 << 16];
    while (const std::size_t got = in.read(piece, sizeof piece)) {
        bytes.append(piece, got);
    }
    return bytes;
}

std::vector<std::string> linksOf(const std::string& input, char separator) {
    std::vector<std::string> links;
    std::istringstream lines(input);
    for (std::string link; std::getline(lines, link, separator);) {
        if (separator == '\n' && !link.empty() && link.back() == '\r') {
            link.pop_back();
        }
        if (!link.empty()) {
            links.push_back(std::move(link));
        }
    }
    return links;
}

void printLine(std::FILE* out, const std::string& first, const std::string& link, char end) {
    std::fprintf(out, "%s\t", first.c_str());
    std::fwrite(link.data(), 1, link.size(), out);
    std::fputc(end, out);
}

// The links from `first` to before `unconfirmed` may have been taken; the ones after them
// were not sent.
void printUnanswered(std::FILE* out, const std::vector<std::string>& links, std::size_t first,
                     std::size_t unconfirmed, char separator) {
    for (std::size_t i = first; i < links.size(); ++i) {
        printLine(out, i < unconfirmed ? "not confirmed" : "waiting", links[i], separator);
    }
}

std::vector<core::Aria2Link> aria2Links(const std::vector<std::string>& links,
                                        const std::string& dir) {
    std::vector<core::Aria2Link> made;
    made.reserve(links.size());
    for (const std::string& link : links) {
        made.push_back(core::Aria2Session::linkFor(link, core::DownloadTarget::forLink(dir, link)));
    }
    return made;
}

// Prints each link of an answered batch with its outcome; false when aria2 refused one.
bool printOutcomes(std::FILE* out, const std::vector<std::string>& links,
                   const core::Aria2Batch& batch, char separator) {
    bool refused = false;
    for (std::size_t i = batch.first; i < batch.end; ++i) {
        const core::Aria2Outcome& outcome = batch.outcomes[i - batch.first];
        refused = refused || !outcome.added;
        printLine(out, outcome.added ? outcome.text : "error: " + outcome.text, links[i],
                  separator);
    }
    return !refused;
}

} // namespace

std::optional<SendOptions> SendCommand::parse(const std::vector<std::string>& args,
                                              std::string& error) {
    SendOptions options;
    options.rpcUrl = core::SettingsRecord{}.aria2Url;
    if (const char* secret = std::getenv(kSecretVariable)) {
        options.secret = secret;
    }
    bool aria2 = false;
    std::vector<std::string> files;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg.front() != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (!applyOption(args, i, options, aria2, error)) {
            return std::nullopt;
        }
    }
    if (options.help) {
        return options;
    }
    if (!aria2) {
        error = "send needs a target: --aria2";
        return std::nullopt;
    }
    if (files.size() > 1) {
        error = "send reads one FILE at most";
        return std::nullopt;
    }
    if (!files.empty()) {
        options.file = files.front();
    }
    return options;
}

int SendCommand::run(const SendOptions& options, std::FILE* out, std::FILE* err) {
    platform::CurlJsonRpcConnector connector;
    return run(options, connector, out, err);
}

int SendCommand::run(const SendOptions& options, platform::JsonRpcConnector& connector,
                     std::FILE* out, std::FILE* err) {
    std::vector<std::string> links;
    try {
        links = linksOf(readInput(options.file), options.separator);
    } catch (const platform::IoError& error) {
        std::fprintf(err, "harvex2-cli: %s: %s\n", options.file.c_str(), error.what());
        return kFailed;
    }
    const auto client = connector.open(options.rpcUrl, core::Aria2Session::kTimeout);
    core::Aria2Handover handover(*client, options.secret, aria2Links(links, options.dir));
    switch (handover.greet()) {
    case core::Aria2Failure::None:
        break;
    case core::Aria2Failure::Unauthorized:
        std::fputs("harvex2-cli: aria2 refused the secret token\n", err);
        return kFailed;
    default:
        std::fprintf(err, "harvex2-cli: cannot connect to aria2 at %s\n", options.rpcUrl.c_str());
        return kFailed;
    }
    bool allAdded = true;
    while (!handover.finished()) {
        const core::Aria2Batch batch = handover.sendNext();
        if (batch.failure != core::Aria2Failure::None) {
            const std::size_t unconfirmed = batch.unconfirmedEnd();
            printUnanswered(out, links, batch.first, unconfirmed, options.separator);
            const std::string message = core::Aria2Session::lostMessage(options.rpcUrl, batch.first,
                                                                        unconfirmed, links.size());
            std::fprintf(err, "harvex2-cli: %s\n", message.c_str());
            return kFailed;
        }
        allAdded = printOutcomes(out, links, batch, options.separator) && allAdded;
    }
    return std::fflush(out) == 0 && allAdded ? kSuccess : kFailed;
}

} // namespace harvex2::cli
