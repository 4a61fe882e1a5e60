#pragma once

#include <cstddef>

namespace harvex2::core {

// Where the scanner reads its bytes from, a piece at a time.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills at most `capacity` bytes and returns how many; 0 means the input is over,
    // whether it ended or failed.
    virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
};

} // namespace harvex2::core
