#include "platform/posix/KeyPath.h"

#include "platform/posix/Utf16Text.h"

#include <algorithm>

namespace harvex2::platform {

namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

std::vector<std::string> KeyPath::split(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

bool KeyPath::isStorableName(std::string_view name) {
    return std::none_of(name.begin(), name.end(), isControl) && Utf16Text::isValidUtf8(name);
}

} // namespace harvex2::platform
