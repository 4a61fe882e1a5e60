#pragma once

#include "core/shell/Aria2Endpoint.h"

#include <cstdint>
#include <string>
#include <vector>

namespace harvex2::core {

// The main window's outer rectangle as stored: Left, Top, Width, Height in pixels.
struct WindowRect {
    std::int32_t left = 197;
    std::int32_t top = 184;
    std::int32_t width = 376;
    std::int32_t height = 411;
    bool operator==(const WindowRect&) const = default;
};

// The stored Mode. A stored number no target stands for is kept as it is.
enum class TargetProgram : std::int32_t {
    NetVampire = 0,
    ReGet = 1,
    NetVampire3 = 2,
    Aria2 = 3,
    Command = 4
};

// The program's settings, loaded once at start-up; saved when Options is confirmed and at exit.
struct SettingsRecord {
    bool ignoreMailTo = true;
    bool ignoreBookmarks = true;
    bool qLinks = true;
    std::int32_t files = 0;
    TargetProgram mode = TargetProgram::NetVampire;
    bool remember = true;
    bool acas = true;
    WindowRect position{};
    std::int32_t tidyUp = 0;
    bool nvdde = false;
    std::int32_t nvJobDefault = 0;
    bool realiFast = false;
    std::string aria2Url = "http://127.0.0.1:6800/jsonrpc";
    std::string aria2Secret = {};
    // Every aria2 the user reaches, by name. Empty until the user first changes them: the
    // endpoint "aria2" is then made of the two values above, which it takes over.
    std::vector<Aria2Endpoint> aria2Endpoints = {};
    // The name of the endpoint an Add hands links to.
    std::string aria2Endpoint = "aria2";
    // The command target: the template of each link's program, how many run at once, and
    // the seconds after which one is stopped (0: never).
    std::string commandTemplate = {};
    std::int32_t commandJobs = 4;
    std::int32_t commandTimeout = 0;
    // How long the window follows the downloads of a hand-off, in hours.
    std::int32_t followHours = 24;
    // How Parse HTML reads a page: as a browser does, or by the quick scan.
    bool quickScan = false;
    bool ignoreScriptLinks = true;
    bool mediaSources = false;
    // Relative links of a page that names its own address are resolved against it.
    bool resolvePageLinks = true;
    // "Add selected" leaves out the links the chosen target took before.
    bool skipSent = false;
    // The rules preset whose routes share an Add among targets; empty: none.
    std::string routesPreset = {};
    // Remove duplicates ignores tracking parameters (the check item beside it).
    bool ignoreTracking = false;
    // How the hand-off names each file and which referrer it sends (Referrer::Kind).
    std::string nameMask = {};
    std::int32_t referrer = 1;
    std::string referrerText = {};
    bool operator==(const SettingsRecord&) const = default;
};

} // namespace harvex2::core
