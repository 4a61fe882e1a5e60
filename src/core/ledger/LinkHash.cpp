#include "core/ledger/LinkHash.h"

#include <cstring>

namespace harvex2::core {

namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kFinal = 0xD6E8FEB86659FD93ULL;

// The full 128-bit product folded to 64 bits: every input bit reaches every output bit.
std::uint64_t fold(std::uint64_t a, std::uint64_t b) {
    const Wide product = static_cast<Wide>(a) * b;
    return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

std::uint64_t word(const char* at, std::size_t size) {
    std::uint64_t value = 0;
    std::memcpy(&value, at, size);
    return value;
}

} // namespace

std::uint64_t LinkHash::of(std::string_view bytes) {
    std::uint64_t hash = bytes.size() * kFinal;
    std::size_t at = 0;
    for (; at + 16 <= bytes.size(); at += 16) {
        hash =
            fold(hash ^ word(bytes.data() + at, 8), kMultiplier ^ word(bytes.data() + at + 8, 8));
    }
    if (at + 8 <= bytes.size()) {
        hash = fold(hash ^ word(bytes.data() + at, 8), kMultiplier);
        at += 8;
    }
    hash = fold(hash ^ word(bytes.data() + at, bytes.size() - at), kFinal);
    hash = fold(hash, kMultiplier);
    return hash == 0 ? 1 : hash;
}

} // namespace harvex2::core
