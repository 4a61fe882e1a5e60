#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace harvex2::platform {

using RegData = std::variant<std::int32_t, std::string>;

struct RegValue {
    std::string name;
    RegData data;
};

// One key of a hive held in memory: its values in the order they were first written and
// its subkeys ordered by name, ignoring letter case. Names keep the case they were created
// with.
class RegKey {
public:
    explicit RegKey(std::string name = {});

    const std::string& name() const { return name_; }
    const std::vector<RegValue>& values() const { return values_; }
    std::vector<const RegKey*> subkeys() const;
    bool hasSubkeys() const { return !subkeys_.empty(); }

    const RegKey* find(const std::vector<std::string>& path) const;
    RegKey* find(const std::vector<std::string>& path);
    // Returns the key, creating it and any missing key above it.
    RegKey& findOrCreate(const std::vector<std::string>& path);
    bool removeSubkey(std::string_view name);

    const RegValue* value(std::string_view name) const;
    // Returns whether anything changed; an existing value keeps the case of its name.
    bool setValue(std::string_view name, RegData data);
    bool removeValue(std::string_view name);

private:
    // Where the value of that name stands in values_, if anywhere.
    std::size_t indexOf(std::string_view name) const;
    void rebuildIndex();

    std::string name_;
    std::vector<RegValue> values_;
    // By folded name, once the key holds many values: a file may put hundreds of thousands
    // into one key, and finding each in turn must not make loading it quadratic.
    std::unordered_map<std::string, std::size_t> valueIndex_;
    std::map<std::string, std::unique_ptr<RegKey>> subkeys_; // by folded name
};

} // namespace harvex2::platform
