#pragma once

#include "platform/RegistryStore.h"

namespace harvex2::platform {

// Groups a store's changes for the object's lifetime (see RegistryStore::beginChanges());
// commit() writes them. Leaving without commit(), on the way out of a failure, ends the group
// without a failure of its own: the one on its way is the one to report.
class ChangeGroup {
public:
    explicit ChangeGroup(RegistryStore& store);
    ~ChangeGroup();
    ChangeGroup(const ChangeGroup&) = delete;
    ChangeGroup& operator=(const ChangeGroup&) = delete;

    // Throws RegistryError.
    void commit();

private:
    RegistryStore& store_;
    bool open_ = true;
};

} // namespace harvex2::platform
