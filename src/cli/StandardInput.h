#pragma once

#include "core/extract/ByteSource.h"

namespace harvex2::cli {

// Standard input, read for the file name "-". A piece is whatever has arrived, so links
// come out while a slow writer is still sending.
class StandardInput final : public core::ByteSource {
public:
    // A read failure ends the input like its end.
    std::size_t read(char* buffer, std::size_t capacity) override;
};

} // namespace harvex2::cli
