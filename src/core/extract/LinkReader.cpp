#include "core/extract/LinkReader.h"

#include "core/extract/HtmlBytes.h"
#include "core/extract/MediaSources.h"

#include <algorithm>

namespace harvex2::core {

namespace {

// The schemes of links that run a script or carry their content instead of naming it.
constexpr std::string_view kScriptSchemes[] = {"javascript:", "vbscript:", "data:"};

// The scheme as a browser reads it: blanks and control characters before it skipped, tabs
// and line breaks inside it dropped, letters of any case.
bool hasScheme(std::string_view value, std::string_view scheme) {
    std::size_t matched = 0;
    bool started = false;
    for (const char c : value) {
        if (c == '\t' || c == '\n' || c == '\r' ||
            (!started && static_cast<unsigned char>(c) <= ' ')) {
            continue;
        }
        started = true;
        if (html::toLower(c) != scheme[matched]) {
            return false;
        }
        if (++matched == scheme.size()) {
            return true;
        }
    }
    return false;
}

std::string_view valueOf(std::span<const TagAttribute> attributes, LinkAttribute name) {
    const auto found = std::find_if(attributes.begin(), attributes.end(),
                                    [name](const TagAttribute& a) { return a.name == name; });
    return found == attributes.end() ? std::string_view() : found->value;
}

bool has(std::span<const TagAttribute> attributes, LinkAttribute name) {
    return std::any_of(attributes.begin(), attributes.end(),
                       [name](const TagAttribute& a) { return a.name == name; });
}

} // namespace

LinkReader::LinkReader(const IgnoreSwitches& switches, bool mediaSources, Destination destination,
                       ScanStats* stats)
    : switches_(switches), mediaSources_(mediaSources), found_(std::move(destination), stats),
      buffer_(kBufferSize) {
    std::uint16_t wanted = bitOf(LinkAttribute::Href) | bitOf(LinkAttribute::Rel);
    if (mediaSources_) {
        wanted |= MediaSources::kAttributes;
    }
    tokenizer_.want(wanted, true);
}

ScanCounters LinkReader::scan(ByteSource& source) {
    tokenizer_.reset();
    address_.reset();
    found_.reset();
    while (const std::size_t count = source.read(buffer_.data(), buffer_.size())) {
        tokenizer_.feed(buffer_.data(), buffer_.data() + count);
        found_.counters().characters += static_cast<std::int64_t>(count);
        found_.report(ScanEvent::Characters);
    }
    tokenizer_.finish();
    found_.report(ScanEvent::Finished);
    return found_.counters();
}

void LinkReader::startTag(std::string_view name, std::span<const TagAttribute> attributes) {
    if (name == "base" && has(attributes, LinkAttribute::Href)) {
        address_.base(valueOf(attributes, LinkAttribute::Href));
    } else if (name == "link") {
        address_.link(valueOf(attributes, LinkAttribute::Rel),
                      valueOf(attributes, LinkAttribute::Href));
    }
    for (const TagAttribute& attribute : attributes) {
        if (attribute.name == LinkAttribute::Href) {
            take(attribute.value);
        } else if (mediaSources_ && MediaSources::isSource(name, attributes, attribute)) {
            const bool set = attribute.name == LinkAttribute::Srcset ||
                             attribute.name == LinkAttribute::DataSrcset;
            const std::string_view source =
                set ? MediaSources::pickCandidate(attribute.value) : attribute.value;
            // Media held in the page itself is nothing to fetch, whatever the switches say;
            // an empty one names nothing.
            if (!source.empty() && !hasScheme(source, "data:")) {
                take(source);
            }
        }
    }
}

void LinkReader::comment(std::string_view start) {
    address_.comment(start);
}

void LinkReader::take(std::string_view value) {
    found_.take(value, isIgnored(value));
}

bool LinkReader::isIgnored(std::string_view value) const {
    const unsigned held = html::heldIn(value);
    return switches_.leavesOut(value, held) ||
           ((held & html::kColon) != 0 && switches_.ignoreScriptLinks() &&
            std::any_of(std::begin(kScriptSchemes), std::end(kScriptSchemes),
                        [value](std::string_view scheme) { return hasScheme(value, scheme); }));
}

} // namespace harvex2::core
