#pragma once

#include "core/extract/TagSink.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace harvex2::core {

// The wanted attributes of the tag being read: the first of each name, as a browser drops
// the ones after it, their values decoded once they end.
class TagAttributes {
public:
    void want(std::uint16_t attributes);

    // A new tag; `keep` is false for an end tag, whose attributes a browser drops. Inline:
    // every tag of a page passes here.
    void beginTag(bool keep) {
        keep_ = keep;
        capturing_ = false;
        seen_ = 0;
        count_ = 0;
    }
    // An attribute of this name (any case) begins; `name` is empty for none the reader
    // knows. Inline: most names of a page are none it wants, and their length alone tells.
    void beginAttribute(std::string_view name) {
        capturing_ = false;
        if (name.size() < 32 && (wantedLengths_ & (1u << name.size())) != 0) {
            beginWantedLength(name);
        }
    }
    void appendValue(const char* p, const char* end) {
        if (capturing_) {
            values_[static_cast<std::size_t>(current_)].append(p, end);
        }
    }
    // Inline: most values end uncaptured.
    void endValue() {
        if (capturing_) {
            endCapturedValue();
        }
    }

    bool anyKept() const { return count_ != 0; }
    // The kept attributes in the order written; valid until the next tag begins.
    std::span<const TagAttribute> kept();

private:
    static constexpr std::size_t kCount = 9;

    void beginWantedLength(std::string_view name);
    void endCapturedValue();

    std::uint16_t wanted_ = 0;
    std::uint32_t wantedLengths_ = 0; // bit n for a wanted name of n bytes
    bool keep_ = false;
    bool capturing_ = false;
    LinkAttribute current_ = LinkAttribute::Href;
    std::uint16_t seen_ = 0;
    std::array<LinkAttribute, kCount> order_{};
    std::size_t count_ = 0;
    std::array<std::string, kCount> values_;
    std::array<TagAttribute, kCount> kept_{};
    std::string decoded_;
};

} // namespace harvex2::core
