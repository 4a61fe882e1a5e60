#include "cli/SendCommand.h"

#include "cli/CommandSend.h"
#include "cli/DownloadWait.h"
#include "cli/ExitStatus.h"
#include "cli/OptionParser.h"
#include "cli/SendEndpoint.h"
#include "core/handoff/Aria2Handover.h"
#include "core/handoff/Aria2Session.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/TargetTable.h"
#include "core/ledger/Ledger.h"
#include "core/listfiles/NamedLinks.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "platform/IoError.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/ReadingFile.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <iterator>
#include <sstream>

namespace harvex2::cli {

namespace {

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

void printLine(std::FILE* out, const std::string& first, std::string_view link, char end) {
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

std::string aria2Name() {
    return std::string(core::TargetTable::find(core::TargetProgram::Aria2)->name);
}

// Unchecks the links aria2 confirmed before, telling each on `out`.
void skipSent(const core::Ledger& ledger, core::LinkList& links, std::FILE* out, char separator) {
    const std::string target = aria2Name();
    for (std::size_t i = 0; i < links.count(); ++i) {
        if (links.checkedAt(i) && ledger.wasSent(links.textAt(i), target)) {
            printLine(out, "sent before", links.textAt(i), separator);
            links.setChecked(i, false);
        }
    }
}

// The links still checked, each with its name and referrer. A command's programs save into
// the current folder without --dir, so names taken there are numbered.
std::vector<SendLink> sendLinks(const core::LinkList& links, const SendOptions& options) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < links.count(); ++i) {
        count += links.checkedAt(i) ? 1u : 0u;
    }
    const std::string folder = options.command && options.dir.empty() ? "." : options.dir;
    core::LinkNaming naming({options.mask,
                             core::Referrer::parse(options.referrer),
                             {},
                             core::HandoffDate::local(std::time(nullptr)),
                             count},
                            core::UniqueNames(core::UniqueNames::inFolder(folder)));
    std::vector<SendLink> made;
    made.reserve(count);
    for (std::size_t i = 0; i < links.count(); ++i) {
        if (links.checkedAt(i)) {
            std::string link(links.textAt(i));
            core::LinkNaming::Named named =
                naming.next({link, {}, links.details().fileNames.find(links.idAt(i)), nullptr});
            made.push_back({std::move(link), std::move(named)});
        }
    }
    return made;
}

std::vector<core::Aria2Link> aria2Links(std::vector<SendLink> links, const std::string& dir) {
    std::vector<core::Aria2Link> made;
    made.reserve(links.size());
    for (SendLink& link : links) {
        const core::SavePlace place = core::DownloadTarget::placeFor(dir, link.url);
        made.push_back(core::Aria2Session::linkFor(std::move(link.url), place,
                                                   std::move(link.named.name),
                                                   std::move(link.named.referrer)));
    }
    return made;
}

core::LinkList listOf(const std::string& input, const SendOptions& options) {
    core::LinkList list;
    std::vector<std::string> lines = linksOf(input, options.separator);
    if (options.names) {
        core::NamedLinks::append(list, std::move(lines));
    } else {
        list.appendAll(std::move(lines));
    }
    list.selectAll();
    return list;
}

// Prints each link of an answered batch with its outcome and records what aria2 took, in the
// ledger and in `taken`; false when aria2 refused one.
bool printOutcomes(std::FILE* out, const std::vector<std::string>& links,
                   const core::Aria2Batch& batch, char separator, core::Ledger& ledger,
                   std::vector<core::FollowedDownload>& taken) {
    bool refused = false;
    for (std::size_t i = batch.first; i < batch.end; ++i) {
        const core::Aria2Outcome& outcome = batch.outcomes[i - batch.first];
        refused = refused || !outcome.added;
        if (outcome.added) {
            ledger.record(aria2Name(), links[i]);
            taken.push_back({0, links[i], outcome.text});
        }
        printLine(out, outcome.added ? outcome.text : "error: " + outcome.text, links[i],
                  separator);
    }
    return !refused;
}

} // namespace

std::optional<SendOptions> SendCommand::parse(const std::vector<std::string>& args,
                                              std::string& error) {
    SendOptions options;
    SendEndpoint::Given endpoint;
    bool aria2 = false;
    std::vector<CommandOption> table{
        {"--aria2", turnOn(aria2)},
        {"--endpoint", storeIn(endpoint.endpoint)},
        {"--rpc", storeIn(endpoint.rpc)},
        {"--secret", storeIn(endpoint.secret)},
        {"--dir", storeIn(options.dir)},
        {"--command", storeIn(options.command)},
        {"--jobs", CommandSend::jobsIn(options.jobs)},
        {"--skip-sent", turnOn(options.skipSent)},
        DownloadWait::option(options.wait),
        {"--mask", storeIn(options.mask)},
        {"--referer", storeIn(options.referrer)},
        {"--names", turnOn(options.names)},
        {"-0", "--null", [&options] { options.separator = '\0'; }},
        {"-h", "--help", turnOn(options.help)},
    };
    options.rules.addTo(table, false);
    const auto files = OptionParser(std::move(table)).parse(args, error);
    if (!files || !options.rules.compile(error)) {
        return std::nullopt;
    }
    if (options.help) {
        return options;
    }
    if (aria2 == options.command.has_value()) {
        error = "send needs one target: --aria2 or --command";
        return std::nullopt;
    }
    if (options.command && !CommandSend::checkOptions(options, error)) {
        return std::nullopt;
    }
    if (aria2 && !SendEndpoint::resolve(endpoint, options, error)) {
        return std::nullopt;
    }
    if (files->size() > 1) {
        error = "send reads one FILE at most";
        return std::nullopt;
    }
    if (!files->empty()) {
        options.file = files->front();
    }
    return options;
}

int SendCommand::run(const SendOptions& options, std::FILE* out, std::FILE* err) {
    platform::CurlJsonRpcConnector connector;
    return run(options, connector, out, err);
}

int SendCommand::run(const SendOptions& options, platform::JsonRpcConnector& connector,
                     std::FILE* out, std::FILE* err) {
    core::LinkList list;
    core::Ledger ledger(core::Ledger::defaultPath());
    ledger.setFailureReport([err](const std::string& message) {
        std::fprintf(err, "harvex2-cli: %s\n", message.c_str());
    });
    try {
        list = listOf(readInput(options.file), options);
    } catch (const platform::IoError& error) {
        std::fprintf(err, "harvex2-cli: %s: %s\n", options.file.c_str(), error.what());
        return kFailed;
    }
    if (options.skipSent) {
        try {
            ledger.load();
        } catch (const platform::IoError& error) {
            std::fprintf(err, "harvex2-cli: %s: %s\n", ledger.path().c_str(), error.what());
            return kFailed;
        }
    }
    if (options.rules.active()) {
        options.rules.apply(list, {{}, options.skipSent ? &ledger : nullptr}, err);
    }
    if (options.command) {
        return CommandSend::run(options, sendLinks(list, options), out, err);
    }
    if (options.skipSent) {
        skipSent(ledger, list, out, options.separator);
    }
    std::vector<core::Aria2Link> aria2 = aria2Links(sendLinks(list, options), options.dir);
    std::vector<std::string> links;
    links.reserve(aria2.size());
    for (const core::Aria2Link& link : aria2) {
        links.push_back(link.url);
    }
    const auto client =
        connector.open({options.rpcUrl, options.caFile}, core::Aria2Session::kTimeout);
    core::Aria2Handover handover(*client, options.secret, std::move(aria2));
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
    std::vector<core::FollowedDownload> taken;
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
        allAdded = printOutcomes(out, links, batch, options.separator, ledger, taken) && allAdded;
    }
    if (options.wait) {
        const auto downloaded = [&ledger](const core::DownloadResult& result) {
            ledger.recordDownloaded(aria2Name(), result.download.link);
        };
        allAdded = DownloadWait::run(*client, options.secret, std::move(taken), *options.wait,
                                     downloaded, out, err, options.separator) &&
                   allAdded;
    }
    return std::fflush(out) == 0 && allAdded ? kSuccess : kFailed;
}

} // namespace harvex2::cli
