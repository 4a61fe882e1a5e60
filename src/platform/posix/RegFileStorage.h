#pragma once

#include "platform/RegistryStore.h"
#include "platform/posix/FileLock.h"
#include "platform/posix/FileStamp.h"
#include "platform/posix/RegFileParser.h"
#include "platform/posix/RegKey.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::platform {

// One hive's file on disk. Reads come from a copy that is read again only when the file has
// changed; every change is made to the file as it is on disk at that moment, under the
// store's lock, and written back atomically, so concurrent writers keep each other's values.
class RegFileStorage {
public:
    // A larger file is neither read nor written. The program's own settings take a few
    // kilobytes; reading a file of hundreds of megabytes would stall every start.
    static constexpr off_t kMaxFileSize = 64 << 20;

    // `lockWait` bounds the wait for another program's lock before a change gives up; after
    // that, changes fail at once while the lock stays taken.
    RegFileStorage(Hive hive, std::string path, std::chrono::milliseconds lockWait);

    const std::string& path() const { return path_; }

    // The hive as the file holds it now. A file that cannot be read, or is not a plain file,
    // reads as an empty hive.
    const RegKey& current();

    // Applies `change` to the hive on disk; it returns whether it changed anything. A damaged
    // file is first kept aside as "<path>.damaged". Throws StoreFileError; exceptions of
    // `change` pass through and nothing is written.
    void update(const std::function<bool(RegKey&)>& change);

    // The changes between beginGroup() and endGroup() are made under one hold of the lock,
    // taken at the first of them, and written once, at endGroup(). A failed change ends the
    // hold: nothing of the group is written, and later changes of it stand alone. Groups
    // nest; the outermost one writes. endGroup() throws StoreFileError when the write fails;
    // the lock is let go either way.
    void beginGroup();
    void endGroup();
    bool inGroup() const { return groupDepth_ > 0; }

    // What the user should be told about the file: that it is too large to be used, or that
    // another program held its lock too long. Each is told once per run.
    std::vector<std::string> takeNotices();

private:
    struct Snapshot {
        std::string bytes;
        FileStamp stamp;
    };

    // A missing file reads as empty, any other file that is not a plain one as empty and
    // without being opened. Throws StoreFileError.
    Snapshot readFile();
    // Makes the cache the file as it is now. Throws StoreFileError or std::bad_alloc.
    void load();
    void forget();
    void lock(std::optional<FileLock>& slot, const std::string& target);
    void guarded(const std::string& target, const std::function<void()>& work);
    void abandon();
    bool applyChange(const std::function<bool(RegKey&)>& change);
    void writeBack(const std::string& target);
    void keepAside();
    [[noreturn]] void refuseTooLarge();
    void notice(bool& told, std::string text);

    Hive hive_;
    std::string path_;
    std::chrono::milliseconds lockWait_;
    bool lockGivenUp_ = false;
    int groupDepth_ = 0;
    std::optional<FileLock> groupLock_;
    bool groupDirty_ = false;
    bool groupBroken_ = false;
    ParsedRegFile cached_;
    FileStamp cachedStamp_;
    // The cache stands for the file with cachedStamp_ ...
    bool loaded_ = false;
    // ... and holds what the file holds: not an empty hive in place of an unreadable file.
    bool faithful_ = false;
    std::vector<std::string> notices_;
    bool toldTooLarge_ = false;
    bool toldLocked_ = false;
};

} // namespace harvex2::platform
