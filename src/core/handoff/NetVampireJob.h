#pragma once

#include "core/handoff/JobProperty.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace harvex2::core {

class JobFileManager;

// A property value: null (written since it was last read), text, integer or floating-point.
using JobValue = std::variant<std::monostate, std::string, std::int64_t, double>;

// One Net Vampire job, known by its upper-case name. Its files lie in the folders of the
// manager as they were when the job object was made; making it does not touch the disk.
class NetVampireJob {
public:
    NetVampireJob(const JobFileManager& manager, std::string name);

    const std::string& name() const { return name_; }

    // Reads the property from its file and remembers it; null for an unknown number.
    JobValue get(int number);
    // Writes the property into its file; nothing for "Partial size" or an unknown number.
    // Throws HandoffError "Unable to write to <path>" when the file cannot be written.
    void set(int number, const JobValue& value);

    // Makes the job's state file with its State and then its job file naming `locationKey`,
    // each only when nothing of its name exists yet, not even a link. False when the name is
    // taken; the job then made nothing. Throws HandoffError "Unable to write to <path>"
    // when a file cannot be made; a state file made before stays.
    bool create(std::int64_t state, const std::string& locationKey);
    // Removes the files `create` made.
    void discard() const;

    // The remembered value: nullopt when never read or written, null after a write.
    std::optional<JobValue> cached(int number) const;

private:
    std::string filePath(int kind) const;
    std::string locationKey() const;
    std::string readText(int number, std::string_view fallback) const;
    JobValue readTyped(int number) const;
    void writeText(int number, const std::string& text);
    void write(int kind, std::string_view section, std::string_view key,
               std::string_view value) const;
    bool taken(int kind) const;
    // False when the file exists; throws HandoffError when it cannot be made.
    bool make(int kind, std::string_view section, std::string_view key,
              std::string_view value) const;
    std::int64_t partialSize() const;
    void remember(int number, JobValue value);

    const JobFileManager& manager_;
    std::string name_;
    std::string rootFolder_;
    std::vector<std::pair<int, JobValue>> cache_; // only the properties touched so far
};

} // namespace harvex2::core
