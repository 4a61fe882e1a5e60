#include "core/handoff/NameMask.h"

#include "core/handoff/FileNameRule.h"
#include "core/sequence/MaskPieces.h"
#include "core/sequence/RenameMask.h"

#include <algorithm>
#include <array>

namespace harvex2::core {

namespace {

std::string padded(std::uint64_t value, std::size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

std::string_view pathOf(std::string_view url) {
    const std::size_t scheme = url.find("://");
    std::size_t start = 0;
    if (scheme != std::string_view::npos) {
        start = url.find_first_of("/?#", scheme + 3);
        if (start == std::string_view::npos) {
            return {};
        }
    }
    const std::string_view path = url.substr(start);
    return path.substr(0, path.find_first_of("?#"));
}

} // namespace

HandoffDate HandoffDate::local(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

NameMask::NameMask(std::string_view mask) {
    if (mask.empty()) {
        return;
    }
    for (std::size_t start = 0;;) {
        const std::size_t slash = mask.find('/', start);
        segments_.push_back(parseSegment(mask.substr(start, slash - start)));
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
}

NameMask::Segment NameMask::parseSegment(std::string_view text) {
    static constexpr std::array<std::string_view, 8> kWritten{
        "*name*", "*ext*", "*num*", "*host*", "*subdirs*", "*y*", "*m*", "*d*"};
    static constexpr std::array<Tag, 8> kTags{Tag::Name,    Tag::Ext,  Tag::Num,   Tag::Host,
                                              Tag::Subdirs, Tag::Year, Tag::Month, Tag::Day};
    Segment parts;
    for (const MaskPiece& piece : maskPieces(text, kWritten)) {
        switch (piece.kind) {
        case MaskPiece::Kind::Text:
            parts.push_back({Tag::Text, std::string(piece.text)});
            break;
        case MaskPiece::Kind::Tag:
            parts.push_back({kTags[piece.value], {}});
            break;
        case MaskPiece::Kind::Counter:
            parts.push_back({Tag::Counter, std::string(piece.text), piece.value});
            break;
        }
    }
    return parts;
}

std::string NameMask::pathFor(const Row& row, const HandoffDate& date) const {
    std::vector<std::string> raw;
    for (const Segment& segment : segments_) {
        raw.emplace_back();
        expand(segment, row, date, raw);
    }
    return joinClean(raw);
}

std::string NameMask::cleanPath(std::string_view path) {
    std::vector<std::string> raw;
    for (std::size_t start = 0;;) {
        const std::size_t slash = path.find('/', start);
        raw.emplace_back(path.substr(start, slash - start));
        if (slash == std::string_view::npos) {
            return joinClean(raw);
        }
        start = slash + 1;
    }
}

std::string NameMask::joinClean(const std::vector<std::string>& raw) {
    // Only the last segment may leave no file name; a folder that does is dropped.
    const std::optional<std::string> name =
        raw.empty() ? std::nullopt : FileNameRule::clean(raw.back());
    if (!name) {
        return {};
    }
    std::string path;
    // "-" names standard output to curl and to many other programs.
    if (raw.size() == 1 && *name == "-") {
        return "_";
    }
    for (std::size_t i = 0; i + 1 < raw.size(); ++i) {
        if (const std::optional<std::string> folder = FileNameRule::clean(raw[i])) {
            path += *folder;
            path += '/';
        }
    }
    return path + *name;
}

void NameMask::expand(const Segment& segment, const Row& row, const HandoffDate& date,
                      std::vector<std::string>& out) const {
    for (const Part& part : segment) {
        if (part.tag != Tag::Subdirs) {
            out.back() += valueOf(part, row, date);
            continue;
        }
        const std::vector<std::string> folders = foldersOf(row.url);
        for (std::size_t i = 0; i < folders.size(); ++i) {
            if (i > 0) {
                out.emplace_back();
            }
            out.back() += folders[i];
        }
    }
}

std::string NameMask::valueOf(const Part& part, const Row& row, const HandoffDate& date) {
    const std::string file = part.tag == Tag::Name || part.tag == Tag::Ext
                                 ? FileNameRule::percentDecoded(RenameMask::fileNameOf(row.url))
                                 : std::string();
    const std::size_t dot = file.rfind('.');
    switch (part.tag) {
    case Tag::Counter:
        if (row.counters && part.counter >= 1 && part.counter <= row.counters->size()) {
            return (*row.counters)[part.counter - 1];
        }
        return part.text;
    case Tag::Name:
        return file.substr(0, dot);
    case Tag::Ext:
        return dot == std::string::npos ? std::string() : file.substr(dot + 1);
    case Tag::Num:
        return padded(row.number, std::to_string(row.count).size());
    case Tag::Host:
        return std::string(RenameMask::hostOf(row.url));
    case Tag::Year:
        return padded(static_cast<std::uint64_t>(date.year), 4);
    case Tag::Month:
        return padded(static_cast<std::uint64_t>(date.month), 2);
    case Tag::Day:
        return padded(static_cast<std::uint64_t>(date.day), 2);
    case Tag::Text:
    case Tag::Subdirs:
        break;
    }
    return part.text;
}

std::vector<std::string> NameMask::foldersOf(std::string_view url) {
    std::string_view path = pathOf(url);
    const std::size_t last = path.rfind('/');
    path = last == std::string_view::npos ? std::string_view() : path.substr(0, last);
    std::vector<std::string> folders;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (slash > start) {
            folders.push_back(FileNameRule::percentDecoded(path.substr(start, slash - start)));
        }
        start = slash + 1;
    }
    return folders;
}

} // namespace harvex2::core
