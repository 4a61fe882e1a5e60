#include "core/listfiles/TextListLoadRun.h"

#include "core/listfiles/NamedLinks.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"

#include <string_view>

namespace harvex2::core {

TextListLoadRun::TextListLoadRun(const std::string& path, bool names, LinkList& links,
                                 ListFileObserver& observer)
    : file_(path), names_(names), links_(links), observer_(observer), buffer_(kBuffer, '\0') {}

bool TextListLoadRun::advance() {
    if (cancelled_) {
        return false;
    }
    std::vector<std::string> lines;
    try {
        const std::size_t got = file_.read(buffer_.data(), buffer_.size());
        if (got == 0) {
            lines.push_back(std::move(unended_));
            append(std::move(lines));
            return false;
        }
        const std::string_view bytes(buffer_.data(), got);
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find('\n', start)) != std::string_view::npos;
             start = end + 1) {
            unended_.append(bytes.substr(start, end - start));
            lines.push_back(std::move(unended_));
            unended_.clear();
        }
        unended_.append(bytes.substr(start));
    } catch (const platform::IoError& error) {
        observer_.failed(error);
        return false;
    }
    append(std::move(lines));
    return true;
}

void TextListLoadRun::append(std::vector<std::string> lines) {
    std::erase_if(lines, [](std::string& line) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line.empty();
    });
    if (lines.empty()) {
        return;
    }
    appended_ += lines.size();
    if (names_) {
        NamedLinks::append(links_, std::move(lines));
    } else {
        links_.appendAll(std::move(lines));
    }
    observer_.progressed(appended_);
}

} // namespace harvex2::core
