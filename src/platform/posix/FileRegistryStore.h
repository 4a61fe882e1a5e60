#pragma once

#include "platform/RegistryStore.h"
#include "platform/posix/RegFileStorage.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::platform {

// The settings store on this platform: one file per hive in the registry editor's export
// format, shared safely by every running copy of the program (see docs/settings-store.md).
class FileRegistryStore : public RegistryStore {
public:
    // How long a change waits for another program's lock before it fails.
    static constexpr std::chrono::milliseconds kLockWait{3000};

    FileRegistryStore(Hive hive, std::string filePath,
                      std::chrono::milliseconds lockWait = kLockWait);

    // $HARVEX2_CONFIG_DIR, else $XDG_CONFIG_HOME/harvex2, else $HOME/.config/harvex2.
    static std::string defaultFolder();
    // The hive's file in the default folder: user.reg or machine.reg.
    static std::string defaultPath(Hive hive);

    bool openKey(const std::string& path, bool canCreate) override;
    void closeKey() override;
    bool keyExists(const std::string& path) override;
    bool deleteKey(const std::string& path) override;
    std::vector<std::string> subkeyNames() override;
    std::vector<std::string> valueNames() override;
    bool valueExists(const std::string& name) override;
    bool deleteValue(const std::string& name) override;

    std::int32_t readInteger(const std::string& name) override;
    std::string readString(const std::string& name) override;
    void writeInteger(const std::string& name, std::int32_t value) override;
    void writeString(const std::string& name, const std::string& value) override;
    // Under the store's lock, as every other change.
    void changeInteger(const std::string& path, const std::string& name,
                       const IntegerChange& next) override;

    void beginChanges() override;
    void endChanges() override;
    std::vector<std::string> takeNotices() override;
    std::string failureCause() override;

private:
    std::vector<std::string> resolve(const std::string& path) const;
    const RegKey* currentKey();
    const RegValue* currentValue(const std::string& name);
    bool tryUpdate(const std::string& what, const std::function<bool(RegKey&)>& change);
    void update(const std::string& what, const std::function<bool(RegKey&)>& change);
    void writeValue(const std::string& name, RegData data);

    RegFileStorage storage_;
    std::optional<std::vector<std::string>> current_;
    std::string failureCause_;
    // The value or key a group of changes changed first: the name its failure carries.
    std::string firstInGroup_;
};

} // namespace harvex2::platform
