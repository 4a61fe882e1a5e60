#include "platform/posix/RegFileWriter.h"

#include "platform/posix/RegFormat.h"
#include "platform/posix/Utf16Text.h"

#include <algorithm>
#include <cstdio>

namespace harvex2::platform {

namespace {

constexpr std::string_view kEol = "\r\n";
// Hex lists are wrapped like the registry editor does, before a line passes 80 columns.
constexpr std::size_t kLineWidth = 80;
// Room for "xx," and the continuation backslash.
constexpr std::size_t kPieceWidth = 4;

bool isQuotable(std::string_view text) {
    const bool hasControl = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    return !hasControl && Utf16Text::isValidUtf8(text);
}

// Whole runs between the characters to escape go in at once: a settings file may hold
// megabytes of text.
void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t special = RegFormat::nextEscaped(text, start);
        out.append(text, start, special - start);
        if (special < text.size()) {
            out += '\\';
            out += text[special];
        }
        start = special + 1;
    }
    out += '"';
}

// `column` is where the list starts on its line.
void appendHexList(std::string& out, std::size_t column, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    bool lineHasPiece = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (lineHasPiece && column + kPieceWidth > kLineWidth) {
            out += "\\";
            out += kEol;
            out += "  ";
            column = 2;
        }
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
        if (i + 1 < bytes.size()) {
            out += ',';
        }
        column += 3;
        lineHasPiece = true;
    }
}

void appendValueLine(std::string& out, const RegValue& value) {
    const std::size_t lineStart = out.size();
    if (value.name.empty()) {
        out += '@';
    } else {
        appendQuoted(out, value.name);
    }
    out += '=';
    if (const auto* number = std::get_if<std::int32_t>(&value.data)) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<std::uint32_t>(*number));
        out += RegFormat::kDword;
        out += digits;
    } else if (const auto& text = std::get<std::string>(value.data); isQuotable(text)) {
        appendQuoted(out, text);
    } else if (Utf16Text::isValidUtf8(text)) {
        out += RegFormat::kHexText;
        appendHexList(out, out.size() - lineStart,
                      Utf16Text::fromUtf8(text) + std::string(2, '\0'));
    } else {
        out += RegFormat::kHexBytes;
        appendHexList(out, out.size() - lineStart, text);
    }
    out += kEol;
}

// `path` is the key's full name; it grows by each subkey's name on the way down and is put
// back on the way up.
void writeKey(std::string& out, const RegKey& key, std::string& path) {
    if (!key.values().empty() || !key.hasSubkeys()) {
        out += '[';
        out += path;
        out += ']';
        out += kEol;
        for (const RegValue& value : key.values()) {
            appendValueLine(out, value);
        }
        out += kEol;
    }
    const std::size_t length = path.size();
    for (const RegKey* subkey : key.subkeys()) {
        path += '\\';
        path += subkey->name();
        writeKey(out, *subkey, path);
        path.resize(length);
    }
}

} // namespace

std::string RegFileWriter::write(const RegKey& root, Hive hive, std::size_t expectedSize) {
    std::string out;
    out.reserve(expectedSize);
    out += RegFormat::kHeader;
    out += kEol;
    out += kEol;
    const bool emptyHive = root.values().empty() && !root.hasSubkeys();
    if (!emptyHive) {
        std::string path(RegFormat::rootName(hive));
        writeKey(out, root, path);
    }
    return out;
}

} // namespace harvex2::platform
