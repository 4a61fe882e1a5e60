#include "cli/ListInput.h"

#include "core/listfiles/LinkListLoader.h"
#include "core/listfiles/NamedLinks.h"
#include "platform/posix/ReadingFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace harvex2::cli {

bool ListInput::isListFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".NVA";
}

void ListInput::read(const std::string& path, core::LinkList& links, core::ListHeader& header,
                     bool names) {
    if (isListFile(path)) {
        core::LinkListLoader(links, header).load(path);
    } else {
        readText(path, links, names);
    }
}

void ListInput::readText(const std::string& path, core::LinkList& links, bool names) {
    platform::ReadingFile file(path);
    std::vector<std::string> lines(1);
    std::string buffer(1 << 16, '\0');
    while (const std::size_t got = file.read(buffer.data(), buffer.size())) {
        for (std::size_t i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                lines.emplace_back();
            } else {
                lines.back() += buffer[i];
            }
        }
    }
    std::erase_if(lines, [](std::string& line) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line.empty();
    });
    if (names) {
        core::NamedLinks::append(links, std::move(lines));
    } else {
        links.appendAll(std::move(lines));
    }
}

} // namespace harvex2::cli
