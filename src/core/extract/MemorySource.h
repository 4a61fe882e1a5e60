#pragma once

#include "core/extract/ByteSource.h"

#include <cstdint>
#include <string_view>

namespace harvex2::core {

// Bytes already in memory, handed out in pieces of at most `pieceSize` bytes so that
// callers can see how a scan behaves when values and tags straddle two reads.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes, std::size_t pieceSize = SIZE_MAX);

    std::size_t read(char* buffer, std::size_t capacity) override;

private:
    std::string_view rest_;
    std::size_t pieceSize_;
};

} // namespace harvex2::core
