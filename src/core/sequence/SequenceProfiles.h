#pragma once

#include "core/sequence/SequenceFields.h"
#include "platform/RegistryStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// Named snapshots of the Add Sequential Files dialog's fields, one key per profile under
// the program's "Seq" key.
class SequenceProfiles {
public:
    static const std::string kProfilesKey;

    // Why `name` cannot name a profile, or nothing when it can. An empty name would write
    // into the profiles key itself and a "\" would make nested keys; the store takes no
    // control characters and no bytes that are not UTF-8.
    static std::optional<std::string> nameProblem(std::string_view name);

    // Writes the ten values, overwriting a profile of the same name. Throws
    // platform::RegistryError, "Failed to set data for 'URL'" when the key cannot be made.
    static void save(platform::RegistryStore& store, const std::string& name,
                     const SequenceFields& fields);
    // Sets `fields` from the profile in the order the values are stored; false when there
    // is no such profile. An integer value that is missing or of another type throws
    // platform::RegistryError, leaving the fields before it set.
    static bool load(platform::RegistryStore& store, const std::string& name,
                     SequenceFields& fields);
    // In the order the store lists them.
    static std::vector<std::string> names(platform::RegistryStore& store);
    // False when the profile could not be deleted.
    static bool remove(platform::RegistryStore& store, const std::string& name);
};

} // namespace harvex2::core
