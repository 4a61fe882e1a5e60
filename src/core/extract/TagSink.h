#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace harvex2::core {

// The attributes a link can come from; the tokenizer keeps the values of these only.
enum class LinkAttribute : std::uint8_t {
    Href,
    Src,
    Type,
    Rel,
    Poster,
    DataSrc,
    DataOriginal,
    Srcset,
    DataSrcset
};

constexpr std::uint16_t bitOf(LinkAttribute attribute) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(attribute));
}

struct TagAttribute {
    LinkAttribute name;
    std::string_view value; // character references decoded
};

// Receives what the HTML tokenizer finds that can hold or name a link.
class TagSink {
public:
    virtual ~TagSink() = default;

    // A start tag that has any of the wanted attributes, its name in lower case (an empty
    // name for one too long to be any the reader knows), with the first of each wanted
    // attribute in the order written. The texts are only valid during the call.
    virtual void startTag(std::string_view name, std::span<const TagAttribute> attributes) = 0;
    // The beginning of a "<!-- -->" comment, at most the tokenizer's limit.
    virtual void comment(std::string_view start) = 0;
};

} // namespace harvex2::core
