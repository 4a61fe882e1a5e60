#pragma once

#include <string>
#include <string_view>

namespace harvex2::platform {

// Replaces a file's contents so that readers see either the old or the new file, never a
// part of one, even when the writer or the machine dies: the bytes go to a TemporaryFile
// beside it, which is flushed to disk and renamed over the target. Callers serialise
// writers of the same path (the store holds its lock).
class AtomicFile {
public:
    // Throws IoError. A new file is the owner's only; a replaced one keeps its owner and
    // group where the process may, and the owner's permissions, losing any of group and
    // others.
    static void replace(const std::string& path, std::string_view bytes);
};

} // namespace harvex2::platform
