#include "core/shell/RecoveryRecords.h"

#include <optional>

namespace harvex2::core {

namespace {

constexpr char kOrigin = 'O';
constexpr char kEntries = 'E';
constexpr std::uint8_t kChecked = 1;
constexpr std::uint8_t kFileName = 2;
constexpr std::uint8_t kReferrer = 4;
constexpr std::uint8_t kCounters = 8;
// A damaged index must not make the reader allocate without bound.
constexpr std::uint32_t kMaxOrigins = 1u << 24;

template <typename Number> void put(std::string& out, Number value) {
    for (std::size_t i = 0; i < sizeof(Number); ++i) {
        out.push_back(static_cast<char>(static_cast<std::uint8_t>(value >> (8 * i))));
    }
}

void putBytes(std::string& out, std::string_view bytes) {
    put(out, static_cast<std::uint32_t>(bytes.size()));
    out.append(bytes);
}

std::uint32_t check(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    }
    return hash;
}

// Reads a payload front to back; any read past its end fails the whole record.
class Payload {
public:
    explicit Payload(std::string_view bytes) : bytes_(bytes) {}

    bool done() const { return bytes_.empty(); }

    template <typename Number> std::optional<Number> take() {
        if (bytes_.size() < sizeof(Number)) {
            return std::nullopt;
        }
        Number value = 0;
        for (std::size_t i = 0; i < sizeof(Number); ++i) {
            value = static_cast<Number>(
                value | static_cast<Number>(
                            static_cast<Number>(static_cast<std::uint8_t>(bytes_[i])) << (8 * i)));
        }
        bytes_.remove_prefix(sizeof(Number));
        return value;
    }

    std::optional<std::string> bytes() {
        const auto size = take<std::uint32_t>();
        if (!size || *size > bytes_.size()) {
            return std::nullopt;
        }
        std::string value(bytes_.substr(0, *size));
        bytes_.remove_prefix(*size);
        return value;
    }

    std::string_view rest() const { return bytes_; }

private:
    std::string_view bytes_;
};

bool readOrigin(Payload& payload, LinkList::Saved& saved) {
    const auto index = payload.take<std::uint32_t>();
    if (!index || *index == 0 || *index >= kMaxOrigins) {
        return false;
    }
    if (saved.origins.size() <= *index) {
        saved.origins.resize(*index + 1);
    }
    saved.origins[*index] = std::string(payload.rest());
    return true;
}

std::optional<std::vector<std::string>> readCounters(Payload& payload) {
    const auto count = payload.take<std::uint32_t>();
    if (!count || *count > payload.rest().size()) {
        return std::nullopt;
    }
    std::vector<std::string> counters;
    for (std::uint32_t i = 0; i < *count; ++i) {
        auto counter = payload.bytes();
        if (!counter) {
            return std::nullopt;
        }
        counters.push_back(std::move(*counter));
    }
    return counters;
}

bool readEntry(Payload& payload, LinkList::Saved& saved) {
    const auto id = payload.take<std::uint64_t>();
    const auto origin = payload.take<std::uint32_t>();
    const auto flags = payload.take<std::uint8_t>();
    auto text = payload.bytes();
    if (!text || !flags || !origin || !id) {
        return false;
    }
    DetailSet details;
    if ((*flags & kFileName) && !(details.fileName = payload.bytes())) {
        return false;
    }
    if ((*flags & kReferrer) && !(details.referrer = payload.bytes())) {
        return false;
    }
    if ((*flags & kCounters) && !(details.counters = readCounters(payload))) {
        return false;
    }
    saved.entries.push_back({std::move(*text), *id, *origin, (*flags & kChecked) != 0});
    if (!details.empty()) {
        saved.details.emplace_back(*id, std::move(details));
    }
    return true;
}

// Adds the record's contents to `saved` only when all of it reads.
bool readRecord(std::string_view bytes, LinkList::Saved& saved) {
    Payload payload(bytes.substr(1));
    if (bytes[0] == kOrigin) {
        return readOrigin(payload, saved);
    }
    if (bytes[0] != kEntries) {
        return false;
    }
    LinkList::Saved run;
    while (!payload.done()) {
        if (!readEntry(payload, run)) {
            return false;
        }
    }
    std::move(run.entries.begin(), run.entries.end(), std::back_inserter(saved.entries));
    std::move(run.details.begin(), run.details.end(), std::back_inserter(saved.details));
    return true;
}

} // namespace

void RecoveryRecords::seal(std::string& out, std::size_t start) {
    const std::string_view payload = std::string_view(out).substr(start + 8);
    std::string head;
    put(head, static_cast<std::uint32_t>(payload.size()));
    put(head, check(payload));
    out.replace(start, 8, head);
}

void RecoveryRecords::writeOrigins(std::string& out, const OriginTable& origins,
                                   OriginTable::Index first, OriginTable::Index end) {
    for (OriginTable::Index index = std::max<OriginTable::Index>(first, 1); index < end; ++index) {
        const std::size_t start = out.size();
        out.append(8, '\0');
        out.push_back(kOrigin);
        put(out, index);
        out.append(origins.at(index));
        seal(out, start);
    }
}

void RecoveryRecords::writeEntries(std::string& out, const LinkList& links, std::size_t first,
                                   std::size_t end) {
    const std::size_t start = out.size();
    out.append(8, '\0');
    out.push_back(kEntries);
    const EntryDetails& details = links.details();
    for (std::size_t i = first; i < end; ++i) {
        const LinkList::Entry entry = links.entryAt(i);
        const std::string* fileName = details.fileNames.find(entry.id);
        const std::string* referrer = details.referrers.find(entry.id);
        const auto* counters = details.counters.find(entry.id);
        put(out, entry.id);
        put(out, entry.origin);
        put(out,
            static_cast<std::uint8_t>((entry.checked ? kChecked : 0) | (fileName ? kFileName : 0) |
                                      (referrer ? kReferrer : 0) | (counters ? kCounters : 0)));
        putBytes(out, entry.text);
        for (const std::string* text : {fileName, referrer}) {
            if (text) {
                putBytes(out, *text);
            }
        }
        if (counters) {
            put(out, static_cast<std::uint32_t>(counters->size()));
            for (const std::string& counter : *counters) {
                putBytes(out, counter);
            }
        }
    }
    seal(out, start);
}

LinkList::Saved RecoveryRecords::read(std::string_view bytes) {
    LinkList::Saved saved;
    if (!bytes.starts_with(kFirstLine)) {
        return saved;
    }
    Payload file(bytes.substr(kFirstLine.size()));
    while (!file.done()) {
        const auto size = file.take<std::uint32_t>();
        const auto sum = file.take<std::uint32_t>();
        if (!size || !sum || *size == 0 || *size > kMaxPayload || *size > file.rest().size()) {
            break;
        }
        const std::string_view payload = file.rest().substr(0, *size);
        if (check(payload) != *sum || !readRecord(payload, saved)) {
            break;
        }
        file = Payload(file.rest().substr(*size));
    }
    return saved;
}

} // namespace harvex2::core
