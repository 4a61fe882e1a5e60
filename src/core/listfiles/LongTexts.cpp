#include "core/listfiles/LongTexts.h"

#include "core/listfiles/LinkListRecord.h"
#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"

namespace harvex2::core {

namespace {

// A link of megabytes would make a box no one can read.
constexpr std::size_t kShownBytes = 512;

std::string shown(const std::string& text) {
    if (text.size() <= kShownBytes) {
        return text;
    }
    std::size_t cut = kShownBytes;
    // Back to the start of a UTF-8 character the cut would split.
    while (cut > kShownBytes - 3 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) {
        --cut;
    }
    return text.substr(0, cut) + "...";
}

} // namespace

LongTexts LongTexts::of(const ListFileBoxes& header, const LinkList& links) {
    LongTexts found = ofHeader(header);
    for (std::size_t i = 0; i < links.count(); ++i) {
        found.see(links.textAt(i));
    }
    return found;
}

LongTexts LongTexts::ofHeader(const ListFileBoxes& header) {
    LongTexts found;
    found.see(header.baseUrl());
    found.see(header.downloadDirectory());
    return found;
}

void LongTexts::note(std::string_view text) {
    if (count_++ == 0) {
        first_ = text;
    }
}

std::string LongTexts::message() const {
    const std::string limit = std::to_string(LinkListRecord::kTextSize);
    if (count_ == 1) {
        return "1 link is longer than " + limit + " bytes and is cut in a Harvex links list:\n" +
               shown(first_);
    }
    return std::to_string(count_) + " links are longer than " + limit +
           " bytes and are cut in a Harvex links list; the first:\n" + shown(first_);
}

} // namespace harvex2::core
