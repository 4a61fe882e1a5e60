#pragma once

#include "core/extract/TagSink.h"

#include <span>
#include <string_view>

namespace harvex2::core {

// Which attributes of a tag name media to fetch: the `src` of images, sources, video,
// audio, embeds and image buttons; `poster`, `data-src` and `data-original` of any tag;
// and one candidate of a `srcset` or `data-srcset`.
class MediaSources {
public:
    static constexpr std::uint16_t kAttributes =
        bitOf(LinkAttribute::Src) | bitOf(LinkAttribute::Type) | bitOf(LinkAttribute::Poster) |
        bitOf(LinkAttribute::DataSrc) | bitOf(LinkAttribute::DataOriginal) |
        bitOf(LinkAttribute::Srcset) | bitOf(LinkAttribute::DataSrcset);

    // Whether `attribute` of the tag names a media source.
    static bool isSource(std::string_view tag, std::span<const TagAttribute> attributes,
                         const TagAttribute& attribute);

    // The candidate of a srcset with the largest width ("640w"), else the largest density
    // ("2x", a candidate without one counting as "1x"), else the first.
    static std::string_view pickCandidate(std::string_view srcset);
};

} // namespace harvex2::core
