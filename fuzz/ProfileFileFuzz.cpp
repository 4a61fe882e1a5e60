// Arbitrary profile-file text and arbitrary writes into it, through the file on disk: a
// write is refused and changes nothing, or it sets exactly its own key. No other key or
// section appears, changes or goes, and every line that was read is still there.
#include "platform/ProfileFile.h"
#include "platform/ProfileFileText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using harvex2::platform::ProfileFile;
using harvex2::platform::ProfileFileText;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The obvious reading of the text, line by line, as a second opinion.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos
               ? std::string_view{}
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string folded(std::string_view name) {
    std::string text(trim(name));
    for (char& c : text) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

std::string valueRead(std::string_view written) {
    std::string_view value = trim(written);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// Every section and key name that a key line of the text stands under.
std::vector<std::pair<std::string, std::string>> namesIn(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> names;
    std::optional<std::string> section;
    for (const std::string_view line : linesOf(text)) {
        const std::string_view body = trim(line);
        if (!body.empty() && body.front() == '[') {
            section = std::string(trim(body.substr(1, body.find(']') - 1)));
        } else if (section && line.find('=') != std::string_view::npos) {
            names.emplace_back(*section, std::string(trim(line.substr(0, line.find('=')))));
        }
    }
    return names;
}

// `after` holds the lines of `before` with one key line replaced, or with up to three lines
// (a blank line, a header, a key) inserted in one place.
void checkNothingLost(std::string_view before, std::string_view after) {
    const auto old = linesOf(before);
    const auto now = linesOf(after);
    check(now.size() >= old.size() && now.size() <= old.size() + 3);
    std::size_t same = 0;
    while (same < old.size() && same < now.size() && old[same] == now[same]) {
        ++same;
    }
    const std::size_t inserted = now.size() - old.size();
    const std::size_t replaced = inserted == 0 && same < old.size() ? 1 : 0;
    check(std::equal(old.begin() + static_cast<std::ptrdiff_t>(same + replaced), old.end(),
                     now.begin() + static_cast<std::ptrdiff_t>(same + replaced + inserted)));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Kept to the very end, past static destructors, for the exit handler that removes it.
const std::string& scratch() {
    static const std::string* const folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "harvex2-fuzz-XXXXXX").string();
        check(::mkdtemp(pattern.data()) != nullptr);
        std::atexit([] { std::filesystem::remove_all(scratch()); });
        return new std::string(pattern);
    }();
    return *folder;
}

void checkWrite(const std::string& path, const std::string& section, const std::string& key,
                const std::string& value) {
    const std::string before = readFile(path);
    const bool written = ProfileFile(path).write(section, key, value);
    check(written == ProfileFileText::canCarry(section, key, value));
    const std::string after = readFile(path);
    if (!written) {
        check(after == before);
        return;
    }
    check(after == ProfileFileText::withValue(before, section, key, value));
    check(ProfileFileText::find(after, section, key) == valueRead(value));
    std::string cut = valueRead(value).substr(0, ProfileFile::kMaxValueLength);
    check(ProfileFile(path).read(section, key) == cut);
    checkNothingLost(before, after);
    auto names = namesIn(before);
    const auto added = namesIn(after);
    names.insert(names.end(), added.begin(), added.end());
    for (const auto& [otherSection, otherKey] : names) {
        if (folded(otherSection) == folded(section) && folded(otherKey) == folded(key)) {
            continue;
        }
        check(ProfileFileText::find(before, otherSection, otherKey) ==
              ProfileFileText::find(after, otherSection, otherKey));
    }
}

void checkCreate(const std::string& section, const std::string& key, const std::string& value) {
    const std::string path = scratch() + "/new.nvj";
    std::filesystem::remove(path);
    switch (ProfileFile(path).create(section, key, value)) {
    case ProfileFile::Creation::Created:
        check(readFile(path) == ProfileFileText::withValue({}, section, key, value));
        break;
    case ProfileFile::Creation::Exists:
        check(false);
        break;
    case ProfileFile::Creation::Failed:
        check(!std::filesystem::exists(path));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string path = scratch() + "/job.nvj";
    writeFile(path, input.ConsumeRandomLengthString(4096));
    for (int write = 0; write < 4 && input.remaining_bytes() > 0; ++write) {
        const std::string section = input.ConsumeRandomLengthString(64);
        const std::string key = input.ConsumeRandomLengthString(64);
        const std::string value = input.ConsumeRandomLengthString(256);
        checkWrite(path, section, key, value);
        if (write == 0) {
            checkCreate(section, key, value);
        }
    }
    return 0;
}
