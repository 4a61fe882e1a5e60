#pragma once

#include "platform/RegistryError.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace harvex2::platform {

enum class Hive { CurrentUser, LocalMachine };

// A hierarchical key/value store with the registry's semantics. Key paths use "\"; a path
// beginning with "\" is absolute, any other is relative to the key opened last (or to the
// root when none is open). Key and value names are case-insensitive and case-preserving.
// Values are 32-bit integers or strings; strings are bytes and round-trip exactly.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Makes the key current. Without canCreate a missing key fails (returns false).
    virtual bool openKey(const std::string& path, bool canCreate) = 0;
    virtual void closeKey() = 0;
    virtual bool keyExists(const std::string& path) = 0;
    // Removes the key with every value and key below it.
    virtual bool deleteKey(const std::string& path) = 0;
    virtual std::vector<std::string> subkeyNames() = 0;
    virtual std::vector<std::string> valueNames() = 0;
    virtual bool valueExists(const std::string& name) = 0;
    virtual bool deleteValue(const std::string& name) = 0;

    // A missing or non-integer value throws RegistryError.
    virtual std::int32_t readInteger(const std::string& name) = 0;
    // A missing value reads empty; an integer value throws RegistryError.
    virtual std::string readString(const std::string& name) = 0;
    // The value, or nullopt where the reads above would throw. A missing string is nullopt
    // too, so that a caller can keep its own default.
    std::optional<std::int32_t> tryReadInteger(const std::string& name);
    std::optional<std::string> tryReadString(const std::string& name);
    // Throw RegistryError when no key is open or the store cannot be written.
    virtual void writeInteger(const std::string& name, std::int32_t value) = 0;
    virtual void writeString(const std::string& name, const std::string& value) = 0;

    // Stores what `next` makes of the integer `name` of the key at the absolute `path` as one
    // step that no other user of the store comes between, so that `next` may also claim
    // things of its own under that protection. `next` gets the stored number, nullopt when
    // the key or the value is missing or not an integer. The key is made when missing; no
    // key is open afterwards. Throws RegistryError when the number cannot be stored; an
    // exception of `next` passes through and nothing is stored. This version suits a store
    // that only one process uses; a shared one overrides it.
    using IntegerChange = std::function<std::int32_t(std::optional<std::int32_t> stored)>;
    virtual void changeInteger(const std::string& path, const std::string& name,
                               const IntegerChange& next);
    // The changes made from beginChanges() to endChanges() reach the store as one, so that
    // a save of many values costs one write. A failed change ends the group: the changes made
    // in it before are lost. Groups nest; the outermost one writes. endChanges() throws
    // RegistryError, named after the group's first change, when the store cannot be
    // written. A store without groups writes each change as it comes. A store shared by
    // several processes lets none of the others change it from the group's first change to
    // its end, and reads meanwhile show the store as it is with the group's changes.
    virtual void beginChanges() {}
    virtual void endChanges() {}

    // Texts for the user about trouble the store met on its way and otherwise only reports
    // as failed writes or default values: its file refused, or held locked by another
    // program. Each is handed out once.
    virtual std::vector<std::string> takeNotices() { return {}; }
    // Which file the last failed change could not write and why ("<path>: <reason>"), for
    // failures that only return false; empty when the store cannot tell.
    virtual std::string failureCause() { return {}; }

    bool readBool(const std::string& name) { return readInteger(name) != 0; }
    void writeBool(const std::string& name, bool value) { writeInteger(name, value ? 1 : 0); }
};

} // namespace harvex2::platform
