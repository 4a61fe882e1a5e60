#include "GumboHrefs.h"

#include "core/extract/HtmlTokenizer.h"
#include "core/extract/IgnoreSwitches.h"
#include "core/extract/LinkReader.h"
#include "core/extract/MemorySource.h"

#include <algorithm>
#include <cstring>
#include <gumbo.h>
#include <optional>
#include <set>

namespace harvex2::fuzz {

namespace {

struct NothingIgnored final : core::IgnoreSwitches {
    bool ignoreMailTo() const override { return false; }
    bool ignoreBookmarks() const override { return false; }
    bool qLinks() const override { return false; }
    bool ignoreScriptLinks() const override { return false; }
};

void collect(const GumboNode* node, std::vector<std::string>& hrefs) {
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE &&
        node->type != GUMBO_NODE_DOCUMENT) {
        return;
    }
    const GumboVector& children =
        node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
    if (node->type != GUMBO_NODE_DOCUMENT) {
        const GumboVector& attributes = node->v.element.attributes;
        for (unsigned i = 0; i < attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(attributes.data[i]);
            if (attribute->attr_namespace == GUMBO_ATTR_NAMESPACE_NONE &&
                std::strcmp(attribute->name, "href") == 0) {
                hrefs.emplace_back(attribute->value);
            }
        }
    }
    for (unsigned i = 0; i < children.length; ++i) {
        collect(static_cast<const GumboNode*>(children.data[i]), hrefs);
    }
}

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c; });
    return lower;
}

std::size_t sequenceLength(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    return byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

// The code point of one valid UTF-8 sequence.
char32_t codePoint(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t code = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return code;
}

// NUL, which the input stream turns into U+FFFD, and the control characters and
// noncharacters, which HTML5 keeps but the parser replaces with it.
bool isReplaced(char32_t code) {
    const bool control = code < 0x20 && code != '\t' && code != '\n' && code != '\f';
    const bool noncharacter = (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE;
    return (control && code != '\r') || (code >= 0x7F && code <= 0x9F) || noncharacter;
}

// Start tags whose elements the tree builder drops, merges into others, clones, or reads
// in a way the tokenizer alone cannot know (foreign content, select, frames, templates).
bool hasTreeBuilderTag(std::string_view input) {
    static const std::set<std::string, std::less<>> kTags = {
        "html",  "body",  "head",    "form",   "frameset", "frame",  "select", "template", "svg",
        "math",  "table", "caption", "col",    "colgroup", "tbody",  "td",     "tfoot",    "th",
        "thead", "tr",    "isindex", "option", "optgroup", "keygen", "image",  "noscript"};
    const std::string lower = lowered(input);
    for (std::size_t at = lower.find('<'); at != std::string::npos; at = lower.find('<', at + 1)) {
        std::size_t end = at + 1;
        while (end < lower.size() && std::isalnum(static_cast<unsigned char>(lower[end]))) {
            ++end;
        }
        if (kTags.contains(std::string_view(lower).substr(at + 1, end - at - 1))) {
            return true;
        }
    }
    return false;
}

// Whether something that may be a tag names an attribute twice. The parser then drops
// every attribute after the repeat, where HTML5 drops the repeat alone. Read roughly, as
// a tag's attributes are read, wherever a "<" and a letter stand.
bool repeatsAnAttribute(std::string_view input) {
    const std::string lower = lowered(input);
    const auto isSpace = [](char c) { return isAsciiSpace(c) || c == '/'; };
    for (std::size_t at = lower.find('<'); at != std::string::npos; at = lower.find('<', at + 1)) {
        std::size_t i = at + 1;
        while (i < lower.size() && !isSpace(lower[i]) && lower[i] != '>') {
            ++i;
        }
        std::set<std::string> names;
        while (i < lower.size() && lower[i] != '>') {
            while (i < lower.size() && isSpace(lower[i])) {
                ++i;
            }
            const std::size_t start = i;
            while (i < lower.size() && (i == start || lower[i] != '=') && !isSpace(lower[i]) &&
                   lower[i] != '>') {
                ++i;
            }
            if (i > start && !names.insert(lower.substr(start, i - start)).second) {
                return true;
            }
            while (i < lower.size() && isAsciiSpace(lower[i])) {
                ++i;
            }
            if (i < lower.size() && lower[i] == '=') {
                ++i;
                while (i < lower.size() && isAsciiSpace(lower[i])) {
                    ++i;
                }
                const char quote = i < lower.size() ? lower[i] : '\0';
                if (quote == '"' || quote == '\'') {
                    i = std::min(lower.find(quote, i + 1), lower.size()) + 1;
                } else {
                    while (i < lower.size() && !isAsciiSpace(lower[i]) && lower[i] != '>') {
                        ++i;
                    }
                }
            }
        }
    }
    return false;
}

// Whether a numeric character reference has more digits than a 32-bit number holds, which
// the parser lets wrap round where HTML5 reads U+FFFD.
bool hasLongNumericReference(std::string_view input) {
    for (std::size_t at = input.find("&#"); at != std::string_view::npos;
         at = input.find("&#", at + 1)) {
        std::size_t i = at + 2;
        const bool hex = i < input.size() && (input[i] | 0x20) == 'x';
        i += hex ? 1 : 0;
        const std::size_t first = i;
        while (i < input.size() && std::isxdigit(static_cast<unsigned char>(input[i]))) {
            ++i;
        }
        if (i - first >= (hex ? 8u : 10u)) {
            return true;
        }
    }
    return false;
}

// The href of the start tag the input ends in, which the reader still reports; none when
// the input ends elsewhere or that tag has none.
std::optional<std::string> hrefOfCutTag(std::string_view input) {
    struct Tags final : core::TagSink {
        int count = 0;
        std::optional<std::string> href;
        void startTag(std::string_view, std::span<const core::TagAttribute> attributes) override {
            ++count;
            href.reset();
            for (const core::TagAttribute& attribute : attributes) {
                if (attribute.name == core::LinkAttribute::Href) {
                    href = attribute.value;
                }
            }
        }
        void comment(std::string_view) override {}
    } tags;
    core::HtmlTokenizer tokenizer(tags);
    tokenizer.want(core::bitOf(core::LinkAttribute::Href), false);
    tokenizer.feed(input.data(), input.data() + input.size());
    const int before = tags.count;
    tokenizer.finish();
    return tags.count > before ? tags.href : std::nullopt;
}

} // namespace

std::vector<std::string> gumboHrefs(std::string_view utf8) {
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    GumboOutput* output = gumbo_parse_with_options(&options, utf8.data(), utf8.size());
    std::vector<std::string> hrefs;
    collect(output->document, hrefs);
    gumbo_destroy_output(&options, output);
    return hrefs;
}

std::vector<std::string> readerHrefs(std::string_view input, std::size_t pieceSize) {
    static const NothingIgnored switches;
    std::vector<std::string> hrefs;
    core::LinkReader reader(switches, false,
                            [&hrefs](std::string_view link) { hrefs.emplace_back(link); });
    core::MemorySource source(input, pieceSize);
    reader.scan(source);
    return hrefs;
}

bool isUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char lead = *p;
        const int extra = lead < 0x80                    ? 0
                          : lead >= 0xC2 && lead <= 0xDF ? 1
                          : lead >= 0xE0 && lead <= 0xEF ? 2
                          : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                         : -1;
        if (extra < 0 || end - p <= extra) {
            return false;
        }
        const unsigned char second = extra > 0 ? p[1] : 0x80;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
            return false;
        }
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
        }
        p += extra + 1;
    }
    return true;
}

std::vector<std::string> comparable(const std::vector<std::string>& values) {
    std::vector<std::string> mapped;
    for (const std::string& value : values) {
        std::string text;
        for (std::size_t i = 0; i < value.size();) {
            const std::size_t length = sequenceLength(value[i]);
            const char32_t code = codePoint(std::string_view(value).substr(i, length));
            if (code == '\r') {
                text.push_back('\n');
                i += i + 1 < value.size() && value[i + 1] == '\n' ? 1 : 0;
            } else if (isReplaced(code)) {
                text.append("\xEF\xBF\xBD");
            } else {
                text.append(value, i, length);
            }
            i += length;
        }
        const auto first = std::find_if_not(text.begin(), text.end(), isAsciiSpace);
        const auto last = std::find_if_not(text.rbegin(), text.rend(), isAsciiSpace).base();
        mapped.emplace_back(first < last ? std::string(first, last) : std::string());
    }
    std::sort(mapped.begin(), mapped.end());
    return mapped;
}

const char* keptDifference(std::string_view input, const std::vector<std::string>& reader,
                           const std::vector<std::string>& parser) {
    if (hasTreeBuilderTag(input)) {
        return "a tag the tree builder treats apart";
    }
    if (repeatsAnAttribute(input)) {
        return "an attribute named twice in a tag";
    }
    if (hasLongNumericReference(input)) {
        return "a numeric reference too long for 32 bits";
    }
    if (input.find('\0') != std::string_view::npos) {
        return "a NUL byte, which the parser drops from an attribute's name";
    }
    std::vector<std::string> written = reader;
    if (const std::optional<std::string> cut = hrefOfCutTag(input)) {
        const auto at = std::find(written.begin(), written.end(), comparable({*cut}).front());
        if (at != written.end()) {
            written.erase(at);
        }
    }
    if (written == parser) {
        return "a tag cut by the end of the input";
    }
    std::vector<std::string> unique = parser;
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    if (std::includes(written.begin(), written.end(), unique.begin(), unique.end()) &&
        std::includes(parser.begin(), parser.end(), written.begin(), written.end())) {
        return "formatting elements reopened with their attributes";
    }
    return nullptr;
}

} // namespace harvex2::fuzz
