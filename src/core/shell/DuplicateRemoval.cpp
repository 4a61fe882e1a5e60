#include "core/shell/DuplicateRemoval.h"

#include <bit>
#include <functional>
#include <string>
#include <vector>

namespace harvex2::core {

namespace {

// The first entry of each canonical form, found by the form's hash in an open table: a
// million links make no million small allocations. Equal hashes are compared in full.
class FirstSeen {
public:
    FirstSeen(const LinkList& links, const CanonicalLink::Options& options)
        : links_(links), options_(options), slots_(std::bit_ceil(links.count() * 2 + 2), kEmpty) {}

    // The earlier entry with this canonical form, or `index` itself when it is the first.
    std::size_t firstOf(std::size_t index, std::string_view canonical) {
        const std::size_t hash = std::hash<std::string_view>{}(canonical);
        for (std::size_t slot = hash & (slots_.size() - 1);;
             slot = (slot + 1) & (slots_.size() - 1)) {
            if (slots_[slot].index == kEmpty.index) {
                slots_[slot] = {hash, index};
                return index;
            }
            if (slots_[slot].hash == hash && sameForm(slots_[slot].index, canonical)) {
                return slots_[slot].index;
            }
        }
    }

private:
    struct Slot {
        std::size_t hash;
        std::size_t index;
    };
    static constexpr Slot kEmpty{0, static_cast<std::size_t>(-1)};

    bool sameForm(std::size_t earlier, std::string_view canonical) {
        other_.clear();
        CanonicalLink::appendTo(other_, links_.textAt(earlier), options_);
        return other_ == canonical;
    }

    const LinkList& links_;
    const CanonicalLink::Options& options_;
    std::vector<Slot> slots_;
    std::string other_;
};

} // namespace

std::size_t removeDuplicates(LinkList& links, const CanonicalLink::Options& options) {
    FirstSeen seen(links, options);
    std::vector<bool> removed(links.count());
    std::vector<std::size_t> toCheck;
    std::size_t removedCount = 0;
    std::string canonical;
    for (std::size_t i = 0; i < links.count(); ++i) {
        canonical.clear();
        CanonicalLink::appendTo(canonical, links.textAt(i), options);
        const std::size_t first = seen.firstOf(i, canonical);
        if (first == i) {
            continue;
        }
        removed[i] = true;
        ++removedCount;
        if (links.checkedAt(i) && !links.checkedAt(first)) {
            toCheck.push_back(first);
        }
    }
    links.removeAndCheck(removed, toCheck);
    return removedCount;
}

} // namespace harvex2::core
