#include "core/sequence/RenameMask.h"

#include "core/sequence/MaskPieces.h"

#include <array>

namespace harvex2::core {

namespace {

// Where the path of a URL begins: after its scheme and host, or at its start.
std::size_t pathStart(std::string_view url) {
    const std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) {
        return 0;
    }
    const std::size_t path = url.find_first_of("/?#", scheme + 3);
    return path == std::string_view::npos ? url.size() : path;
}

} // namespace

RenameMask::RenameMask(std::string_view mask) {
    static constexpr std::array<std::string_view, 4> kWritten{"*name*", "*ext*", "*num*", "*host*"};
    static constexpr std::array<Tag, 4> kTags{Tag::Name, Tag::Ext, Tag::Num, Tag::Host};
    for (const MaskPiece& piece : maskPieces(mask, kWritten)) {
        switch (piece.kind) {
        case MaskPiece::Kind::Text:
            parts_.push_back({Tag::Text, std::string(piece.text), 0});
            break;
        case MaskPiece::Kind::Tag:
            parts_.push_back({kTags[piece.value], {}, 0});
            break;
        case MaskPiece::Kind::Counter:
            parts_.push_back({Tag::Counter, std::string(piece.text), piece.value});
            break;
        }
    }
}

void RenameMask::name(const Row& row, std::string& out) const {
    out.clear();
    for (const Part& part : parts_) {
        appendPart(part, row, out);
    }
}

void RenameMask::appendPart(const Part& part, const Row& row, std::string& out) const {
    const std::string_view file =
        part.tag == Tag::Name || part.tag == Tag::Ext ? fileNameOf(row.url) : std::string_view();
    const std::size_t dot = file.rfind('.');
    switch (part.tag) {
    case Tag::Text:
        out += part.text;
        break;
    case Tag::Counter:
        if (row.counters && part.counter >= 1 && part.counter <= row.counters->size()) {
            out += (*row.counters)[part.counter - 1];
        } else {
            out += part.text;
        }
        break;
    case Tag::Name:
        out += file.substr(0, dot);
        break;
    case Tag::Ext:
        out += dot == std::string_view::npos ? std::string_view() : file.substr(dot + 1);
        break;
    case Tag::Num: {
        const std::string number = std::to_string(row.number);
        const std::size_t width = std::to_string(row.count).size();
        out.append(width > number.size() ? width - number.size() : 0, '0').append(number);
        break;
    }
    case Tag::Host:
        out += hostOf(row.url);
        break;
    }
}

std::string_view RenameMask::fileNameOf(std::string_view url) {
    const std::size_t start = pathStart(url);
    std::string_view path = url.substr(start);
    path = path.substr(0, path.find_first_of("?#"));
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? (start == 0 ? path : std::string_view())
                                           : path.substr(slash + 1);
}

std::string_view RenameMask::hostOf(std::string_view url) {
    const std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) {
        return {};
    }
    std::string_view host = url.substr(scheme + 3, pathStart(url) - scheme - 3);
    if (const std::size_t user = host.rfind('@'); user != std::string_view::npos) {
        host.remove_prefix(user + 1);
    }
    if (host.starts_with('[')) {
        return host.substr(1, host.find(']') - 1);
    }
    return host.substr(0, host.find(':'));
}

} // namespace harvex2::core
