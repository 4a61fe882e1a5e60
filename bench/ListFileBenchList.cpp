#include "ListFileBenchList.h"

#include "core/shell/LinkList.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace harvex2::bench {

namespace {

constexpr std::size_t kTextField = 128;

std::string linkText(std::size_t i) {
    std::string text = "http://www.example.com/files/archive-" + std::to_string(i) + ".zip";
    if (i == 5) {
        text.clear();
    } else if (i % 997 == 0) {
        text.append(200, 'x');
    } else if (i % 1009 == 0) {
        for (std::size_t k = 0; k < 256; k += 3) {
            text.push_back(static_cast<char>((i + k) % 256));
        }
    } else if (i == 11) {
        text.resize(kTextField, 'y');
    }
    return text;
}

void appendRecord(std::string& out, std::string_view text, bool checked) {
    const std::string_view kept = text.substr(0, kTextField);
    out.push_back(checked ? '\1' : '\0');
    out.push_back(static_cast<char>(kept.size()));
    out.append(kept);
    out.append(kTextField - kept.size(), '\0');
}

} // namespace

std::string benchFile(const char* name) {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "harvex2-list-bench";
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder + "/" + name;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const core::LinkList& bigList() {
    static const core::LinkList links = [] {
        core::LinkList list;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < kEntries; ++i) {
            texts.push_back(linkText(i));
        }
        list.appendAll(std::move(texts));
        for (std::size_t i = 0; i < kEntries; i += 3) {
            list.setChecked(i, true);
        }
        return list;
    }();
    return links;
}

const std::string& listFileBytes() {
    static const std::string bytes = [] {
        const core::LinkList& links = bigList();
        std::string out;
        appendRecord(out, "142", false);
        appendRecord(out, kHeader.baseUrl(), false);
        appendRecord(out, kHeader.downloadDirectory(), false);
        for (std::size_t i = 0; i < links.count(); ++i) {
            appendRecord(out, links.textAt(i), links.checkedAt(i));
        }
        return out;
    }();
    return bytes;
}

bool sameAsRecords(const core::LinkList& saved, const core::LinkList& loaded) {
    if (saved.count() != loaded.count()) {
        return false;
    }
    for (std::size_t i = 0; i < saved.count(); ++i) {
        const std::string_view text = saved.textAt(i);
        if (loaded.textAt(i) != text.substr(0, kTextField) ||
            loaded.checkedAt(i) != saved.checkedAt(i)) {
            return false;
        }
    }
    return true;
}

} // namespace harvex2::bench
