#include "core/ledger/LedgerReader.h"

#include "platform/IoError.h"
#include "platform/posix/ReadingFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

namespace harvex2::core {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 22;
constexpr std::size_t kSample = std::size_t{1} << 16;

std::optional<platform::ReadingFile> openIfThere(const std::string& path) {
    try {
        return std::make_optional<platform::ReadingFile>(path);
    } catch (const platform::IoError& error) {
        if (error.code() == ENOENT) {
            return std::nullopt;
        }
        throw;
    }
}

} // namespace

std::uint64_t LedgerReader::forEachLine(const std::string& path,
                                        const std::function<void(std::string_view line)>& take,
                                        std::uint64_t from) {
    auto file = openIfThere(path);
    if (!file) {
        return 0;
    }
    file->seek(from);
    std::uint64_t wholeEnd = from;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kPiece);
    std::string longLine; // a line longer than a piece, gathered across pieces
    while (const std::size_t got = file->read(buffer.get(), kPiece)) {
        std::string_view rest(buffer.get(), got);
        for (auto end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            std::string_view line = rest.substr(0, end);
            if (!longLine.empty()) {
                longLine += line;
                line = longLine;
            }
            if (!line.empty()) {
                take(line);
            }
            wholeEnd += line.size() + 1;
            longLine.clear();
            rest.remove_prefix(end + 1);
        }
        longLine += rest;
    }
    return wholeEnd;
}

std::size_t LedgerReader::estimateLines(const std::string& path) {
    auto file = openIfThere(path);
    if (!file) {
        return 0;
    }
    std::string start(kSample, '\0');
    const std::size_t got = file->read(start.data(), start.size());
    const auto lines = static_cast<std::size_t>(
        std::count(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(got), '\n'));
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(path, unknown);
    if (lines == 0 || unknown) {
        return lines;
    }
    return static_cast<std::size_t>(static_cast<double>(size) * static_cast<double>(lines) /
                                    static_cast<double>(got));
}

} // namespace harvex2::core
