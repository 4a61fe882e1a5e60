#include "core/extract/MediaSources.h"

#include "core/extract/HtmlBytes.h"

#include <algorithm>
#include <charconv>

namespace harvex2::core {

namespace {

constexpr std::string_view kSourceTags[] = {"img", "source", "video", "audio", "embed"};

// The type is an enumerated value: any case, nothing around it.
bool isImageButton(std::span<const TagAttribute> attributes) {
    for (const TagAttribute& attribute : attributes) {
        if (attribute.name == LinkAttribute::Type) {
            const std::string_view image = "image";
            return std::equal(attribute.value.begin(), attribute.value.end(), image.begin(),
                              image.end(), [](char c, char l) { return html::toLower(c) == l; });
        }
    }
    return false;
}

struct Candidate {
    std::string_view url;
    double width = 0;
    double density = 0;
};

// One descriptor ("640w", "1.5x"); others ("100h", nonsense) say nothing.
void describe(std::string_view descriptor, Candidate& candidate) {
    if (descriptor.size() < 2) {
        return;
    }
    const char unit = descriptor.back();
    double value = 0;
    const auto [end, error] =
        std::from_chars(descriptor.data(), descriptor.data() + descriptor.size() - 1, value);
    if (error != std::errc() || end != descriptor.data() + descriptor.size() - 1) {
        return;
    }
    if (unit == 'w') {
        candidate.width = value;
    } else if (unit == 'x') {
        candidate.density = value;
    }
}

// Reads the candidate that `rest` begins with, blanks and commas before it skipped, and
// removes it from `rest`.
Candidate nextCandidate(std::string_view& rest) {
    const auto isGap = [](char c) { return html::isSpace(c) || c == ','; };
    rest.remove_prefix(std::min(
        rest.size(), static_cast<std::size_t>(std::find_if_not(rest.begin(), rest.end(), isGap) -
                                              rest.begin())));
    Candidate candidate;
    const std::size_t urlEnd = static_cast<std::size_t>(
        std::find_if(rest.begin(), rest.end(), html::isSpace) - rest.begin());
    candidate.url = rest.substr(0, urlEnd);
    rest.remove_prefix(urlEnd);
    if (candidate.url.ends_with(',')) {
        // A comma right after the address ends the candidate: it has no descriptors.
        while (candidate.url.ends_with(',')) {
            candidate.url.remove_suffix(1);
        }
        return candidate;
    }
    // Descriptors run to the next comma outside brackets.
    int depth = 0;
    std::size_t i = 0;
    for (; i < rest.size() && !(rest[i] == ',' && depth == 0); ++i) {
        depth += rest[i] == '(' ? 1 : rest[i] == ')' && depth > 0 ? -1 : 0;
    }
    std::string_view descriptors = rest.substr(0, i);
    rest.remove_prefix(i);
    while (!descriptors.empty()) {
        const auto start = std::find_if_not(descriptors.begin(), descriptors.end(), html::isSpace);
        const auto stop = std::find_if(start, descriptors.end(), html::isSpace);
        describe(descriptors.substr(static_cast<std::size_t>(start - descriptors.begin()),
                                    static_cast<std::size_t>(stop - start)),
                 candidate);
        descriptors.remove_prefix(static_cast<std::size_t>(stop - descriptors.begin()));
    }
    return candidate;
}

} // namespace

bool MediaSources::isSource(std::string_view tag, std::span<const TagAttribute> attributes,
                            const TagAttribute& attribute) {
    switch (attribute.name) {
    case LinkAttribute::Src:
        return std::find(std::begin(kSourceTags), std::end(kSourceTags), tag) !=
                   std::end(kSourceTags) ||
               (tag == "input" && isImageButton(attributes));
    case LinkAttribute::Poster:
    case LinkAttribute::DataSrc:
    case LinkAttribute::DataOriginal:
    case LinkAttribute::Srcset:
    case LinkAttribute::DataSrcset:
        return true;
    default:
        return false;
    }
}

std::string_view MediaSources::pickCandidate(std::string_view srcset) {
    Candidate best;
    bool first = true;
    while (true) {
        Candidate candidate = nextCandidate(srcset);
        if (candidate.url.empty()) {
            return best.url;
        }
        if (candidate.width == 0 && candidate.density == 0) {
            candidate.density = 1;
        }
        if (first || candidate.width > best.width ||
            (best.width == 0 && candidate.width == 0 && candidate.density > best.density)) {
            best = candidate;
        }
        first = false;
    }
}

} // namespace harvex2::core
