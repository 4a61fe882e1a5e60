#include "platform/posix/VolumeLabels.h"

#include <charconv>
#include <filesystem>

namespace harvex2::platform {

namespace fs = std::filesystem;

std::map<std::string, std::string> VolumeLabels::read(const std::string& folder) {
    std::map<std::string, std::string> labels;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code unresolved;
        const fs::path device = fs::canonical(it->path(), unresolved);
        if (!unresolved) {
            labels[device.string()] = decodeName(it->path().filename().string());
        }
    }
    return labels;
}

std::string VolumeLabels::decodeName(const std::string& name) {
    std::string decoded;
    for (std::size_t i = 0; i < name.size(); ++i) {
        unsigned value = 0;
        if (name.compare(i, 2, "\\x") == 0 && i + 4 <= name.size() &&
            std::from_chars(name.data() + i + 2, name.data() + i + 4, value, 16).ptr ==
                name.data() + i + 4) {
            decoded += static_cast<char>(value);
            i += 3;
        } else {
            decoded += name[i];
        }
    }
    return decoded;
}

} // namespace harvex2::platform
