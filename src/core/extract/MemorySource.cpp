#include "core/extract/MemorySource.h"

#include <algorithm>
#include <cstring>

namespace harvex2::core {

MemorySource::MemorySource(std::string_view bytes, std::size_t pieceSize)
    : rest_(bytes), pieceSize_(std::max<std::size_t>(pieceSize, 1)) {}

std::size_t MemorySource::read(char* buffer, std::size_t capacity) {
    const std::size_t count = std::min({capacity, pieceSize_, rest_.size()});
    if (count > 0) {
        std::memcpy(buffer, rest_.data(), count);
    }
    rest_.remove_prefix(count);
    return count;
}

} // namespace harvex2::core
