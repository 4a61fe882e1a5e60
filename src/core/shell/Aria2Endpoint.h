#pragma once

#include <string>
#include <utility>
#include <vector>

namespace harvex2::core {

// One aria2 the user reaches: its JSON-RPC address, the token it asks for and where it saves
// what it is sent without a folder of its own.
struct Aria2Endpoint {
    std::string name = {};
    std::string url = {};
    std::string secret = {};
    std::string folder = {};
    // For an https address: the certificates to check aria2's against; empty: the system's.
    std::string caFile = {};
    // The user agreed that the token travels in clear text to an address off this machine.
    bool plainToken = false;
    // Fields stored by a newer version of the program, written back as they were read.
    std::vector<std::pair<std::string, std::string>> unknownFields = {};
    bool operator==(const Aria2Endpoint&) const = default;
};

} // namespace harvex2::core
