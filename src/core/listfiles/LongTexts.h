#pragma once

#include "core/listfiles/LinkListRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::core {

class LinkList;
class ListFileBoxes;

// The texts a link list file cannot hold whole: its records keep 128 bytes of each, so a
// longer link, Base URL or folder comes back cut.
class LongTexts {
public:
    static LongTexts of(const ListFileBoxes& header, const LinkList& links);
    // Those of the header alone, for a writer to see the entries as it writes them.
    static LongTexts ofHeader(const ListFileBoxes& header);

    void see(std::string_view text) {
        if (text.size() > LinkListRecord::kTextSize) {
            note(text);
        }
    }

    std::size_t count() const { return count_; }
    // How many there are, and the first of them on a line of its own.
    std::string message() const;

private:
    void note(std::string_view text);

    std::size_t count_ = 0;
    std::string first_;
};

} // namespace harvex2::core
