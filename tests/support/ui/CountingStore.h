#pragma once

#include "platform/RegistryStore.h"

#include <map>

namespace harvex2::test {

// Passes everything to a real store, counts the writes of each value name and, when told
// to, fails every write as a full disk would.
class CountingStore : public platform::RegistryStore {
public:
    explicit CountingStore(platform::RegistryStore& inner) : inner_(inner) {}

    int writesOf(const std::string& name) const;
    void failWrites(bool fail) { failWrites_ = fail; }

    bool openKey(const std::string& path, bool canCreate) override;
    void closeKey() override { inner_.closeKey(); }
    bool keyExists(const std::string& path) override { return inner_.keyExists(path); }
    bool deleteKey(const std::string& path) override { return inner_.deleteKey(path); }
    std::vector<std::string> subkeyNames() override { return inner_.subkeyNames(); }
    std::vector<std::string> valueNames() override { return inner_.valueNames(); }
    bool valueExists(const std::string& name) override { return inner_.valueExists(name); }
    bool deleteValue(const std::string& name) override { return inner_.deleteValue(name); }
    std::int32_t readInteger(const std::string& name) override { return inner_.readInteger(name); }
    std::string readString(const std::string& name) override { return inner_.readString(name); }
    void writeInteger(const std::string& name, std::int32_t value) override;
    void writeString(const std::string& name, const std::string& value) override;
    void beginChanges() override { inner_.beginChanges(); }
    void endChanges() override { inner_.endChanges(); }
    std::vector<std::string> takeNotices() override { return inner_.takeNotices(); }
    std::string failureCause() override { return inner_.failureCause(); }

private:
    void count(const std::string& name);

    platform::RegistryStore& inner_;
    std::map<std::string, int> writes_;
    bool failWrites_ = false;
};

} // namespace harvex2::test
