#pragma once

#include "platform/RegistryStore.h"
#include "platform/posix/RegKey.h"

#include <cstddef>
#include <string>

namespace harvex2::platform {

// Writes a hive in the registry editor's export format: UTF-8, CRLF line ends, one
// bracketed section per key that has values or no subkeys (keys that only lead to others
// are implied by their subkeys), a blank line after each section.
class RegFileWriter {
public:
    // `expectedSize` (the size of the file being replaced, say) spares growing the text step
    // by step.
    static std::string write(const RegKey& root, Hive hive, std::size_t expectedSize = 0);
};

} // namespace harvex2::platform
