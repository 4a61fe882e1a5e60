// A stand-in download manager for trying the program's DDE and automation hand-off on a
// desktop: it serves Net Vampire's DDE service and ReGet's automation object in the user's
// runtime folder and prints every link that arrives.

#include "platform/posix/LocalEndpoint.h"
#include "support/servers/ScriptedAutomationServer.h"
#include "support/servers/ScriptedDdeServer.h"

#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <string>

using namespace harvex2;

namespace {

const char* const kUsage =
    "usage: harvex2-demo-server [--folder DIR] [--refuse TEXT] [--quit-after N]\n"
    "Serves DDE service VAMPIRE, topic WWW_OpenURL, and the automation object\n"
    "ReGet.UrlList.1 in DIR (default: $XDG_RUNTIME_DIR) and prints what arrives.\n"
    "--refuse TEXT refuses every link with TEXT; --quit-after N ends after N links.\n";

struct Options {
    std::string folder = platform::LocalEndpoint::runtimeFolderFromEnvironment();
    std::string refusal;
    long quitAfter = 0;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (name == "--folder") {
            options.folder = value;
        } else if (name == "--refuse") {
            options.refusal = value;
        } else if (name == "--quit-after") {
            options.quitAfter = std::strtol(value.c_str(), nullptr, 10);
        } else {
            return false;
        }
    }
    return true;
}

std::string escaped(unsigned char byte) {
    constexpr char kDigits[] = "0123456789abcdef";
    return {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
}

// A link is untrusted: its control characters (C0, DEL, and C1 as UTF-8 writes them) would
// be escape sequences to the terminal, so they are printed as \xNN, and a backslash doubled.
// The line break between a ReGet call's lines shows as " | ".
std::string printable(const std::string& text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        const bool c1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
        if (text.compare(at, 2, "\r\n") == 0) {
            shown += " | ";
            ++at;
        } else if (c1) {
            shown += escaped(byte) + escaped(static_cast<unsigned char>(text[++at]));
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += escaped(byte);
        } else {
            shown += byte == '\\' ? "\\\\" : std::string(1, text[at]);
        }
    }
    return shown;
}

std::mutex gMutex;
std::condition_variable gDone;
long gLinks = 0;

void heard(const std::string& what, const std::string& request) {
    const std::lock_guard lock(gMutex);
    std::cout << what << printable(request) << std::endl;
    ++gLinks;
    gDone.notify_all();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (!platform::LocalEndpoint::isPrivateFolder(options.folder)) {
        std::cerr << "'" << options.folder << "' is not a folder only this user can use.\n";
        return 1;
    }
    try {
        test::ScriptedDdeServer dde(options.folder);
        test::ScriptedAutomationServer reGet(options.folder);
        if (!options.refusal.empty()) {
            dde.script.setDefault(test::ServerAnswer::refuse(options.refusal));
            reGet.script.setDefault(test::ServerAnswer::refuse(options.refusal));
        }
        dde.script.setListener([](const std::string& item) { heard("DDE VAMPIRE: ", item); });
        reGet.script.setListener([](const std::string& call) { heard("ReGet: ", call); });
        std::cout << "Listening in " << options.folder << std::endl;
        std::unique_lock lock(gMutex);
        gDone.wait(lock, [&] { return options.quitAfter > 0 && gLinks >= options.quitAfter; });
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}
