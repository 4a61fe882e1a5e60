#include "core/shell/MruHistory.h"

#include "platform/AsciiText.h"
#include "platform/ChangeGroup.h"
#include "platform/KeyHandle.h"

#include <algorithm>

namespace harvex2::core {

namespace mru {
const MruSpec kMainBaseUrl{"\\Software\\Quillfern Software\\Harvex\\MRU\\Main\\BaseURL", false,
                           false, 1, false};
const MruSpec kMainDir{"\\Software\\Quillfern Software\\Harvex\\MRU\\Main\\Dir", false, false, 1,
                       false};
const MruSpec kImport{"\\Software\\Quillfern Software\\Harvex\\MRU\\Import", true, false, 1, false};
const MruSpec kSeqUrl{"\\Software\\Quillfern Software\\Harvex\\MRU\\Seq\\URL", true, true, 1, true};
const MruSpec kSeqDir{"\\Software\\Quillfern Software\\Harvex\\MRU\\Seq\\Dir", false, true, 2,
                      true};
} // namespace mru

namespace {
constexpr const char* kSizeValue = "MRUSize";
constexpr std::size_t kMaxEntries = 4;
// A hand-edited or damaged MRUSize must not make start-up hang or run out of memory.
constexpr std::int32_t kMaxLoaded = 1024;
constexpr const char* kRemovalMark = "*";

std::int32_t storedSize(platform::RegistryStore& store) {
    return std::min(store.tryReadInteger(kSizeValue).value_or(0), kMaxLoaded);
}

// A value that is missing, or not a string, is an empty entry: loading never reports.
std::string storedEntry(platform::RegistryStore& store, std::int32_t number) {
    return store.tryReadString(std::to_string(number)).value_or(std::string());
}

// Of each run of equal neighbours only the last stays; an entry that is the mark goes too.
void removeAdjacentRepeats(std::vector<std::string>& entries) {
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        if (entries[i] == entries[i + 1]) {
            entries[i] = kRemovalMark;
        }
    }
    std::erase(entries, std::string(kRemovalMark));
}

void write(platform::RegistryStore& store, const MruSpec& spec,
           const std::vector<std::string>& entries) {
    platform::ChangeGroup changes(store);
    // Deleting first drops any numbered value left over from a longer list.
    store.deleteKey(spec.key);
    {
        platform::KeyHandle key(store);
        key.create(spec.key);
        store.writeInteger(kSizeValue, static_cast<std::int32_t>(entries.size()));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            store.writeString(std::to_string(i + 1), entries[i]);
        }
    }
    changes.commit();
}
} // namespace

std::vector<std::string> MruHistory::load(platform::RegistryStore& store, const MruSpec& spec) {
    std::vector<std::string> entries;
    platform::KeyHandle key(store);
    if (!key.open(spec.key, true)) {
        return entries;
    }
    const std::int32_t size = storedSize(store);
    for (std::int32_t number = 1; number <= size; ++number) {
        std::string entry = storedEntry(store, number);
        const auto place = spec.sorted ? std::upper_bound(entries.begin(), entries.end(), entry,
                                                          &platform::AsciiText::lessIgnoringCase)
                                       : entries.end();
        entries.insert(place, std::move(entry));
    }
    return entries;
}

std::vector<std::string> MruHistory::save(platform::RegistryStore& store, const MruSpec& spec,
                                          std::vector<std::string> entries,
                                          const std::string& editText) {
    if (!editText.empty() || spec.insertEmpty) {
        entries.insert(entries.begin(), editText);
    }
    for (int check = 0; check < spec.trimChecks; ++check) {
        if (entries.size() > kMaxEntries) {
            entries.pop_back();
        }
    }
    if (spec.removeAdjacentRepeats) {
        removeAdjacentRepeats(entries);
    }
    write(store, spec, entries);
    return entries;
}

} // namespace harvex2::core
