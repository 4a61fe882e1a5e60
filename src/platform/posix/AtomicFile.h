#pragma once

#include <string>
#include <string_view>

namespace harvex2::platform {

// Replaces a file's contents so that readers see either the old or the new file, never a
// part of one, even when the writer dies: the bytes go to "<path>.tmp" in the same folder
// and the temporary file is renamed over the target. Neither the file nor the folder is
// flushed to disk (see the .cpp): after a power loss the file may be an older one, or empty
// on a file system that does not write a renamed file's data first. The temporary
// name is fixed, so callers must serialise writers of the same path (the store holds its
// lock); a temporary file left by a killed writer is simply replaced.
class AtomicFile {
public:
    // Throws IoError. A new file is the owner's only; a replaced one keeps the owner's
    // permissions and loses any of group and others.
    static void replace(const std::string& path, std::string_view bytes);
};

} // namespace harvex2::platform
