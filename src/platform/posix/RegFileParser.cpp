#include "platform/posix/RegFileParser.h"

#include "platform/AsciiText.h"
#include "platform/posix/KeyPath.h"
#include "platform/posix/RegFormat.h"
#include "platform/posix/Utf16Text.h"

#include <algorithm>

namespace harvex2::platform {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kBlank = " \t\r";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Reads exactly `text` as hexadecimal digits.
std::optional<std::uint32_t> hexNumber(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = AsciiText::hexValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

// Comma-separated bytes of two hexadecimal digits each; a trailing comma is a cut-off list.
std::optional<std::string> hexBytes(std::string_view list) {
    std::string bytes;
    if (list.empty()) {
        return bytes;
    }
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view piece = AsciiText::trim(list.substr(start, comma - start), kBlank);
        const auto byte = piece.size() == 2 ? hexNumber(piece) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
        if (comma == std::string_view::npos) {
            return bytes;
        }
        start = comma + 1;
    }
}

// Reads a quoted string starting at text[pos] == '"'; on success pos is past the closing quote.
// "\\" and "\"" stand for the character after the backslash; any other backslash is itself.
std::optional<std::string> unquote(std::string_view text, std::size_t& pos) {
    std::string out;
    for (std::size_t i = pos + 1; i < text.size();) {
        const std::size_t special = RegFormat::nextEscaped(text, i);
        if (special == text.size()) {
            return std::nullopt;
        }
        out.append(text, i, special - i);
        if (text[special] == '"') {
            pos = special + 1;
            return out;
        }
        const bool escape =
            special + 1 < text.size() && (text[special + 1] == '\\' || text[special + 1] == '"');
        out += text[escape ? special + 1 : special];
        i = special + (escape ? 2 : 1);
    }
    return std::nullopt;
}

// The hex(1) and hex(2) forms: UTF-16LE text with its terminating zero.
std::optional<std::string> utf16Text(const std::string& bytes) {
    const bool terminated =
        bytes.size() >= 2 && bytes[bytes.size() - 1] == '\0' && bytes[bytes.size() - 2] == '\0';
    if (bytes.size() % 2 != 0 || !terminated) {
        return std::nullopt;
    }
    return Utf16Text::toUtf8(std::string_view(bytes).substr(0, bytes.size() - 2));
}

// Continuation lines hold hex digits only: a line that opens a section or a value ends a
// hex list, whatever came before it.
bool startsAnEntry(std::string_view line) {
    return !line.empty() && (line.front() == '[' || line.front() == '"' || line.front() == '@');
}

} // namespace

ParsedRegFile RegFileParser::parse(std::string_view bytes, Hive hive) {
    RegFileParser parser(bytes, hive);
    parser.run();
    return std::move(parser.result_);
}

RegFileParser::RegFileParser(std::string_view bytes, Hive hive) : text_(bytes), hive_(hive) {
    if (startsWith(bytes, kUtf16Bom)) {
        converted_ = Utf16Text::toUtf8(bytes.substr(kUtf16Bom.size()));
        text_ = converted_;
    } else if (startsWith(bytes, kUtf8Bom)) {
        text_.remove_prefix(kUtf8Bom.size());
    }
}

void RegFileParser::run() {
    std::string_view line;
    bool seenContent = false;
    while (takeLine(line)) {
        if (line.empty()) {
            continue;
        }
        const bool isHeader = line == RegFormat::kHeader || line == RegFormat::kLegacyHeader;
        if (!seenContent && isHeader) {
            seenContent = true;
            continue;
        }
        result_.damaged |= !seenContent;
        seenContent = true;
        readLine(line);
    }
}

bool RegFileParser::takeLine(std::string_view& line) {
    const auto raw = peekLine();
    if (!raw) {
        return false;
    }
    next_ += raw->size() + 1;
    line = AsciiText::trim(*raw, kBlank);
    return true;
}

// The next line as it stands, untrimmed.
std::optional<std::string_view> RegFileParser::peekLine() const {
    if (next_ >= text_.size()) {
        return std::nullopt;
    }
    const std::size_t end = std::min(text_.find('\n', next_), text_.size());
    return text_.substr(next_, end - next_);
}

void RegFileParser::readLine(std::string_view line) {
    if (line.front() == ';') {
        return;
    }
    if (line.front() == '[') {
        readKeyLine(line);
    } else if (line.front() == '"' || line.front() == '@') {
        readValueLine(line);
    } else {
        result_.damaged = true;
    }
}

void RegFileParser::readKeyLine(std::string_view line) {
    key_ = nullptr;
    if (line.back() != ']' || line.size() < 2) {
        result_.damaged = true;
        return;
    }
    std::vector<std::string> path = KeyPath::split(line.substr(1, line.size() - 2));
    if (path.empty() || !AsciiText::equalsIgnoringCase(path.front(), RegFormat::rootName(hive_))) {
        result_.damaged = true;
        return;
    }
    path.erase(path.begin());
    if (path.size() > KeyPath::kMaxDepth) {
        result_.damaged = true;
        return;
    }
    key_ = &result_.root.findOrCreate(path);
}

void RegFileParser::readValueLine(std::string_view line) {
    std::size_t pos = 1;
    std::optional<std::string> name = std::string();
    if (line.front() == '"') {
        pos = 0;
        name = unquote(line, pos);
    }
    const std::string_view rest =
        name ? AsciiText::trim(line.substr(pos), kBlank) : std::string_view{};
    std::optional<RegData> data;
    if (!rest.empty() && rest.front() == '=') {
        data = readData(AsciiText::trim(rest.substr(1), kBlank));
    }
    if (!data || !key_) {
        result_.damaged = true;
        return;
    }
    key_->setValue(*name, std::move(*data));
}

std::optional<RegData> RegFileParser::readData(std::string_view text) {
    if (startsWith(text, "\"")) {
        std::size_t pos = 0;
        auto value = unquote(text, pos);
        return value && pos == text.size() ? std::optional<RegData>(std::move(*value))
                                           : std::nullopt;
    }
    if (startsWith(text, RegFormat::kDword)) {
        const std::string_view digits = text.substr(RegFormat::kDword.size());
        const auto number = digits.size() == 8 ? hexNumber(digits) : std::nullopt;
        return number ? std::optional<RegData>(static_cast<std::int32_t>(*number)) : std::nullopt;
    }
    if (startsWith(text, RegFormat::kHexBytes)) {
        auto bytes = readHexList(text.substr(RegFormat::kHexBytes.size()));
        return bytes ? std::optional<RegData>(std::move(*bytes)) : std::nullopt;
    }
    for (const std::string_view prefix : {RegFormat::kHexText, RegFormat::kHexExpandText}) {
        if (startsWith(text, prefix)) {
            const auto bytes = readHexList(text.substr(prefix.size()));
            auto value = bytes ? utf16Text(*bytes) : std::nullopt;
            return value ? std::optional<RegData>(std::move(*value)) : std::nullopt;
        }
    }
    return std::nullopt;
}

// A line ending in "\" continues on the next line, unless that line opens a section or a
// value: then the list was cut off, and the line is read for what it is.
std::optional<std::string> RegFileParser::readHexList(std::string_view text) {
    std::string joined;
    std::string_view line = text;
    while (!line.empty() && line.back() == '\\') {
        joined += line.substr(0, line.size() - 1);
        const auto next = peekLine();
        if (!next || startsAnEntry(AsciiText::trim(*next, kBlank))) {
            return std::nullopt;
        }
        takeLine(line);
    }
    joined += line;
    return hexBytes(joined);
}

} // namespace harvex2::platform
