#pragma once

#include "platform/RegistryStore.h"
#include "platform/posix/FileStamp.h"
#include "platform/posix/RegFileParser.h"
#include "platform/posix/RegKey.h"

#include <functional>
#include <string>

namespace harvex2::platform {

// One hive's file on disk. Reads come from a copy that is read again whenever the file has
// been replaced; every change is made to the file as it is on disk at that moment, under the
// store's lock, and written back atomically, so concurrent writers keep each other's values.
class RegFileStorage {
public:
    RegFileStorage(Hive hive, std::string path);

    const std::string& path() const { return path_; }

    // The hive as the file holds it now. An unreadable file reads as an empty hive.
    const RegKey& current();
    // Reads the file even when it looks unchanged.
    const RegKey& reloaded();

    // Applies `change` to the hive on disk; it returns whether it changed anything. A damaged
    // file is first kept aside as "<path>.damaged". Throws IoError; exceptions of `change`
    // pass through and nothing is written.
    void update(const std::function<bool(RegKey&)>& change);

private:
    struct Snapshot {
        std::string bytes;
        FileStamp stamp;
    };

    // A missing file reads as empty; other failures throw IoError.
    Snapshot readFile() const;
    void adopt(const Snapshot& snapshot);

    Hive hive_;
    std::string path_;
    ParsedRegFile cached_;
    FileStamp cachedStamp_;
    bool loaded_ = false;
};

} // namespace harvex2::platform
