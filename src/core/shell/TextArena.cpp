#include "core/shell/TextArena.h"

#include <algorithm>
#include <cstring>

namespace harvex2::core {

namespace {
// Blocks start small, so that a short list stays small, and double up to this size.
constexpr std::size_t kFirstBlock = std::size_t{4} << 10;
constexpr std::size_t kLargestBlock = std::size_t{1} << 20;
// A text longer than this gets a block of its own instead of leaving a block's tail unused.
constexpr std::size_t kOwnBlockAbove = kLargestBlock / 16;

std::size_t prefixSize(std::size_t length) {
    std::size_t bytes = 1;
    for (; length >= 0x80; length >>= 7) {
        ++bytes;
    }
    return bytes;
}

// The length, seven bits a byte, lowest first; the high bit says another byte follows.
char* putLength(char* out, std::size_t length) {
    for (; length >= 0x80; length >>= 7) {
        *out++ = static_cast<char>((length & 0x7F) | 0x80);
    }
    *out++ = static_cast<char>(length);
    return out;
}

} // namespace

TextArena::Place TextArena::add(std::string_view text) {
    Place place = 0;
    char* out = room(prefixSize(text.size()) + text.size(), place);
    out = putLength(out, text.size());
    if (!text.empty()) {
        std::memcpy(out, text.data(), text.size());
    }
    return place;
}

// Where `bytes` fit, with their place: at the end of the current block, in a fresh one, or
// for a long text in a block of its own.
char* TextArena::room(std::size_t bytes, Place& place) {
    filled_ += bytes;
    if (bytes > kOwnBlockAbove) {
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
        place = static_cast<Place>(blocks_.size() - 1) << kOffsetBits;
        return blocks_.back().get();
    }
    if (currentSize_ - used_ < bytes) {
        currentSize_ = std::clamp(std::max(currentSize_ * 2, bytes), kFirstBlock, kLargestBlock);
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(currentSize_));
        current_ = blocks_.size() - 1;
        used_ = 0;
    }
    place = static_cast<Place>(current_) << kOffsetBits | used_;
    char* out = blocks_[current_].get() + used_;
    used_ += bytes;
    return out;
}

// A text of 128 bytes or more: its length takes further bytes.
std::string_view TextArena::longAt(const unsigned char* start) {
    std::size_t length = 0;
    for (unsigned shift = 0;; shift += 7) {
        const unsigned char byte = *start++;
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80) {
            return {reinterpret_cast<const char*>(start), length};
        }
    }
}

void TextArena::release(Place place) {
    const std::size_t length = at(place).size();
    garbage_ += prefixSize(length) + length;
}

bool TextArena::wasteful() const {
    return garbage_ > kLargestBlock && garbage_ > filled_ - garbage_;
}

void TextArena::clear() {
    blocks_.clear();
    current_ = 0;
    currentSize_ = 0;
    used_ = 0;
    filled_ = 0;
    garbage_ = 0;
}

} // namespace harvex2::core
