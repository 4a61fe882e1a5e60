#include "core/ledger/SentIndex.h"

#include <map>
#include <random>
#include <utility>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

constexpr std::uint64_t kLinks = 1280;

// Most links spread over the whole range, the rest next to each other, which makes a long
// run of neighbours to shift and close up.
std::uint64_t hashOf(std::uint64_t link) {
    return link < 1024 ? (link << 54) | 1 : (std::uint64_t{1} << 63) + link;
}

// Against a plain map, through growth, shifting and removal, with links sent to several
// targets.
TEST(SentIndex, AnswersAsAPlainMapThroughGrowthAndRemoval) {
    std::mt19937_64 random(7);
    SentIndex index;
    std::map<std::pair<std::uint64_t, std::uint16_t>, std::uint32_t> model;
    for (std::uint32_t step = 0; step < 40000; ++step) {
        const std::uint64_t hash = hashOf(random() % kLinks);
        const auto target = static_cast<std::uint16_t>(random() % 3);
        if (random() % 3 == 0) {
            index.erase(hash, target);
            model.erase({hash, target});
        } else {
            index.put(hash, target, step);
            model[{hash, target}] = step;
        }
    }
    ASSERT_EQ(index.size(), model.size());
    for (std::uint64_t link = 0; link < kLinks; ++link) {
        const std::uint64_t hash = hashOf(link);
        std::optional<SentIndex::Sent> latest;
        for (std::uint16_t target = 0; target < 3; ++target) {
            const auto found = model.find({hash, target});
            const auto time = found == model.end() ? std::nullopt : std::optional(found->second);
            ASSERT_EQ(index.find(hash, target), time) << link << " " << target;
            if (time && (!latest || *time > latest->time)) {
                latest = SentIndex::Sent{target, *time};
            }
        }
        const auto answer = index.latest(hash);
        ASSERT_EQ(answer.has_value(), latest.has_value()) << link;
        if (latest) {
            EXPECT_EQ(answer->target, latest->target);
            EXPECT_EQ(answer->time, latest->time);
        }
    }
}

} // namespace
} // namespace harvex2::core
