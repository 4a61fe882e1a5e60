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

bool isQuotable(std::string_view text) {
    const bool hasControl = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    return !hasControl && Utf16Text::isValidUtf8(text);
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

// Room for "xx," and the continuation backslash.
constexpr std::size_t kPieceWidth = 4;

std::string hexList(std::string out, std::string_view bytes) {
    std::size_t column = out.size();
    bool lineHasPiece = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (lineHasPiece && column + kPieceWidth > kLineWidth) {
            out += "\\";
            out += kEol;
            out += "  ";
            column = 2;
        }
        char piece[4];
        std::snprintf(piece, sizeof piece, "%02x,", static_cast<unsigned char>(bytes[i]));
        out.append(piece, i + 1 == bytes.size() ? 2 : 3);
        column += 3;
        lineHasPiece = true;
    }
    return out;
}

std::string valueLine(const RegValue& value) {
    const std::string name = value.name.empty() ? "@=" : quoted(value.name) + "=";
    if (const auto* number = std::get_if<std::int32_t>(&value.data)) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<std::uint32_t>(*number));
        return name + std::string(RegFormat::kDword) + digits;
    }
    const auto& text = std::get<std::string>(value.data);
    if (isQuotable(text)) {
        return name + quoted(text);
    }
    if (Utf16Text::isValidUtf8(text)) {
        const std::string terminated = Utf16Text::fromUtf8(text) + std::string(2, '\0');
        return hexList(name + std::string(RegFormat::kHexText), terminated);
    }
    return hexList(name + std::string(RegFormat::kHexBytes), text);
}

void writeKey(std::string& out, const RegKey& key, const std::string& path) {
    if (!key.values().empty() || !key.hasSubkeys()) {
        out += "[" + path + "]";
        out += kEol;
        for (const RegValue& value : key.values()) {
            out += valueLine(value);
            out += kEol;
        }
        out += kEol;
    }
    for (const RegKey* subkey : key.subkeys()) {
        writeKey(out, *subkey, path + "\\" + subkey->name());
    }
}

} // namespace

std::string RegFileWriter::write(const RegKey& root, Hive hive) {
    std::string out(RegFormat::kHeader);
    out += kEol;
    out += kEol;
    const bool emptyHive = root.values().empty() && !root.hasSubkeys();
    if (!emptyHive) {
        writeKey(out, root, std::string(RegFormat::rootName(hive)));
    }
    return out;
}

} // namespace harvex2::platform
