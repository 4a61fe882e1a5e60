#include "core/listfiles/ManagerListLine.h"

#include "core/handoff/FileNameRule.h"

#include <array>

namespace harvex2::core {

namespace {

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void appendOption(std::string& out, std::string_view key, std::string_view value) {
    if (!value.empty()) {
        out.append(" ").append(key).append("=").append(value).append("\n");
    }
}

std::string joined(std::string_view dir, std::string_view name) {
    if (dir.empty() || dir.ends_with('/')) {
        return std::string(dir) + std::string(name);
    }
    return std::string(dir) + "/" + std::string(name);
}

} // namespace

bool ManagerListLine::isManagerForm(SaveFormat format) {
    return format == SaveFormat::Aria2Input || format == SaveFormat::WgetList ||
           format == SaveFormat::CurlConfig || format == SaveFormat::JsonLines;
}

std::optional<std::string> ManagerListLine::append(std::string& out, SaveFormat format,
                                                   const Link& link) {
    switch (format) {
    case SaveFormat::Aria2Input:
        return appendAria2(out, link);
    case SaveFormat::WgetList:
        // A line break would make two links of one.
        if (hasLineBreak(link.url)) {
            return "it holds a line break";
        }
        out.append(link.url).append("\n");
        return std::nullopt;
    case SaveFormat::CurlConfig:
        appendCurl(out, link);
        return std::nullopt;
    case SaveFormat::JsonLines:
        return appendJson(out, link);
    case SaveFormat::LinkList:
    case SaveFormat::HtmlPage:
    case SaveFormat::PlainText:
        break;
    }
    return "the form takes no download manager's links";
}

std::optional<std::string> ManagerListLine::appendAria2(std::string& out, const Link& link) {
    // aria2 splits a line's mirrors at TABs, and its options end at the line's end.
    if (link.url.find_first_of("\t\r\n") != std::string_view::npos) {
        return "it holds a TAB or a line break";
    }
    if (hasLineBreak(link.dir) || hasLineBreak(link.referrer)) {
        return "its folder or referrer holds a line break";
    }
    out.append(link.url).append("\n");
    appendOption(out, "out", link.name);
    appendOption(out, "dir", link.dir);
    appendOption(out, "referer", link.referrer);
    return std::nullopt;
}

// Each link is a section of its own, so that its referrer and folder stay its own.
void ManagerListLine::appendCurl(std::string& out, const Link& link) {
    if (!out.empty()) {
        out += "next\n";
    }
    out += "url = ";
    appendCurlQuoted(out, link.url);
    if (link.name.empty()) {
        out += "\nremote-name";
        if (!link.dir.empty()) {
            out += "\noutput-dir = ";
            appendCurlQuoted(out, link.dir);
        }
    } else {
        out += "\noutput = ";
        appendCurlQuoted(out, joined(link.dir, link.name));
        out += "\ncreate-dirs";
    }
    if (!link.referrer.empty()) {
        out += "\nreferer = ";
        appendCurlQuoted(out, link.referrer);
    }
    out += "\n";
}

std::optional<std::string> ManagerListLine::appendJson(std::string& out, const Link& link) {
    for (std::string_view text : {link.url, link.dir, link.referrer}) {
        if (!FileNameRule::isUtf8(text)) {
            return "it is not UTF-8";
        }
    }
    const std::array<std::pair<std::string_view, std::string_view>, 4> fields{
        {{"url", link.url}, {"name", link.name}, {"dir", link.dir}, {"referer", link.referrer}}};
    char open = '{';
    for (const auto& [key, value] : fields) {
        out.append(1, open).append("\"").append(key).append("\":");
        appendJsonString(out, value);
        open = ',';
    }
    out.append(",\"checked\":").append(link.checked ? "true" : "false").append("}\n");
    return std::nullopt;
}

void ManagerListLine::appendCurlQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
        case '\\':
            out.append(1, '\\').append(1, c);
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\v':
            out += "\\v";
            break;
        default:
            out += c;
        }
    }
    out += '"';
}

void ManagerListLine::appendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.append(1, '\\').append(1, c);
        } else if (byte < 0x20u || byte == 0x7Fu) {
            out.append("\\u00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xFu]);
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace harvex2::core
