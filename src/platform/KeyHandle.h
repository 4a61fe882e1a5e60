#pragma once

#include "platform/RegistryStore.h"

#include <string>

namespace harvex2::platform {

// Holds a store's current key for a scope: however the scope is left, by return or by
// exception, no key is current afterwards. It may move from key to key meanwhile.
class KeyHandle {
public:
    explicit KeyHandle(RegistryStore& store) : store_(store) {}
    ~KeyHandle();
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    // Makes `path` current. False when it is missing and may not be made, or cannot be made.
    bool open(const std::string& path, bool canCreate);
    // Makes `path` current, creating it when missing. Throws RegistryError when that fails,
    // so that no value lands in whichever key was current before.
    void create(const std::string& path);

private:
    RegistryStore& store_;
};

} // namespace harvex2::platform
