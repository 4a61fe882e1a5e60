#include "core/extract/TagAttributes.h"

#include "core/extract/CharacterReferences.h"
#include "core/extract/HtmlBytes.h"

namespace harvex2::core {

namespace {

struct NamedAttribute {
    std::string_view name;
    LinkAttribute attribute;
};

constexpr NamedAttribute kAttributes[] = {
    {"href", LinkAttribute::Href},
    {"src", LinkAttribute::Src},
    {"type", LinkAttribute::Type},
    {"rel", LinkAttribute::Rel},
    {"poster", LinkAttribute::Poster},
    {"data-src", LinkAttribute::DataSrc},
    {"data-original", LinkAttribute::DataOriginal},
    {"srcset", LinkAttribute::Srcset},
    {"data-srcset", LinkAttribute::DataSrcset},
};

// Whether `name`, in any case, is `known`, which is in lower case.
bool sameName(std::string_view name, std::string_view known) {
    if (name.size() != known.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (html::toLower(name[i]) != known[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

void TagAttributes::want(std::uint16_t attributes) {
    wanted_ = attributes;
    wantedLengths_ = 0;
    for (const NamedAttribute& known : kAttributes) {
        if ((wanted_ & bitOf(known.attribute)) != 0) {
            wantedLengths_ |= 1u << known.name.size();
        }
    }
}

// Only the first of each wanted name is kept; one of a name not wanted changes nothing.
void TagAttributes::beginWantedLength(std::string_view name) {
    for (const NamedAttribute& known : kAttributes) {
        if (!sameName(name, known.name)) {
            continue;
        }
        const std::uint16_t bit = bitOf(known.attribute);
        if ((seen_ & bit) == 0 && (wanted_ & bit) != 0 && keep_) {
            capturing_ = true;
            current_ = known.attribute;
            order_[count_++] = known.attribute;
            values_[static_cast<std::size_t>(current_)].clear();
        }
        seen_ |= bit;
        return;
    }
}

void TagAttributes::endCapturedValue() {
    capturing_ = false;
    std::string& value = values_[static_cast<std::size_t>(current_)];
    if ((html::heldIn(value) & html::kAmpersand) != 0) {
        decoded_.clear();
        CharacterReferences::decodeAttribute(value, decoded_);
        value.swap(decoded_);
    }
}

std::span<const TagAttribute> TagAttributes::kept() {
    for (std::size_t i = 0; i < count_; ++i) {
        kept_[i] = {order_[i], values_[static_cast<std::size_t>(order_[i])]};
    }
    return std::span(kept_.data(), count_);
}

} // namespace harvex2::core
