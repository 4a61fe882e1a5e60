#include "platform/ChangeGroup.h"

namespace harvex2::platform {

ChangeGroup::ChangeGroup(RegistryStore& store) : store_(store) {
    store_.beginChanges();
}

ChangeGroup::~ChangeGroup() {
    if (open_) {
        try {
            store_.endChanges();
        } catch (const RegistryError&) {
        }
    }
}

void ChangeGroup::commit() {
    open_ = false;
    store_.endChanges();
}

} // namespace harvex2::platform
