#pragma once

#include <map>
#include <string>

namespace harvex2::platform {

// The labels of the machine's volumes, from the folder of links that the device manager
// names after them (/dev/disk/by-label), each pointing at its device.
class VolumeLabels {
public:
    // Each device's resolved path with its label; none when the folder is missing.
    static std::map<std::string, std::string> read(const std::string& folder);
    // The device manager writes bytes it will not put into a file name as "\xHH".
    static std::string decodeName(const std::string& name);
};

} // namespace harvex2::platform
