#include "core/ledger/Ledger.h"

#include "core/ledger/LedgerReader.h"
#include "core/ledger/LinkHash.h"
#include "core/shell/CanonicalLink.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"
#include "platform/posix/AppendOnlyFile.h"
#include "platform/posix/UserFolders.h"

#include <algorithm>
#include <limits>

namespace harvex2::core {

namespace {

// The index keeps times in 32 bits: up to the year 2106.
std::uint32_t indexTime(std::int64_t time) {
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(time, 0, std::numeric_limits<std::uint32_t>::max()));
}

std::uint64_t hashOf(std::string_view link, std::string_view base) {
    return LinkHash::of(CanonicalLink::of(link, {.base = base}));
}

// Lookups of a block of links wait for memory together rather than one after another.
constexpr std::size_t kBlock = 32;

} // namespace

std::string Ledger::defaultPath() {
    return platform::UserFolders::data() + "/sent";
}

std::int64_t Ledger::systemTime() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

Ledger::Ledger(std::string path, Clock clock) : path_(std::move(path)), clock_(std::move(clock)) {}

Ledger::~Ledger() = default;
Ledger::Ledger(Ledger&&) noexcept = default;
Ledger& Ledger::operator=(Ledger&&) noexcept = default;

void Ledger::load() {
    index_.reserve(LedgerReader::estimateLines(path_));
    readFrom(0);
    index_.fit();
}

bool Ledger::refresh() {
    const platform::FileStamp now = platform::FileStamp::ofPath(path_);
    const bool sameFile = now.device == readStamp_.device && now.inode == readStamp_.inode;
    const auto size = static_cast<std::uint64_t>(std::max<off_t>(now.size, 0));
    if (sameFile && size >= readEnd_) {
        const bool grew = size > readEnd_;
        if (grew) {
            readFrom(readEnd_);
        }
        return grew;
    }
    Ledger fresh(path_, clock_);
    fresh.load();
    fresh.report_ = std::move(report_);
    fresh.failing_ = failing_;
    *this = std::move(fresh);
    return true;
}

void Ledger::readFrom(std::uint64_t from) {
    readStamp_ = platform::FileStamp::ofPath(path_);
    // Lines are read a block ahead of the index: the slots of a block are on their way from
    // memory while the block before it goes in.
    std::vector<Change> ahead;
    ahead.reserve(2 * kBlock);
    readEnd_ = LedgerReader::forEachLine(
        path_,
        [&](std::string_view text) {
            if (const auto line = LedgerLine::parse(text)) {
                ahead.push_back(changeOf(*line));
                index_.prefetch(ahead.back().hash);
            }
            if (ahead.size() == 2 * kBlock) {
                applyAll({ahead.data(), kBlock});
                ahead.erase(ahead.begin(), ahead.begin() + kBlock);
            }
        },
        from);
    applyAll(ahead);
}

Ledger::Change Ledger::changeOf(const LedgerLine& line) {
    ++lines_;
    const bool forgotten = line.kind == LedgerLine::Kind::Forgotten;
    forgotten_ += forgotten;
    return {forgotten, LinkHash::of(line.link),
            forgotten ? targetNumber(line.target) : addTarget(line.target),
            static_cast<std::uint32_t>(line.time)};
}

void Ledger::applyAll(std::span<const Change> changes) {
    for (const Change& change : changes) {
        if (!change.target) {
            continue;
        }
        if (change.forgotten) {
            index_.erase(change.hash, *change.target);
        } else {
            index_.put(change.hash, *change.target, change.time);
        }
    }
}

std::optional<std::uint16_t> Ledger::targetNumber(std::string_view name) const {
    const auto found = targetNumbers_.find(name);
    return found == targetNumbers_.end() ? std::nullopt : std::optional(found->second);
}

std::optional<std::uint16_t> Ledger::addTarget(std::string_view name) {
    if (const auto known = targetNumber(name)) {
        return known;
    }
    if (targets_.size() > std::numeric_limits<std::uint16_t>::max()) {
        return std::nullopt;
    }
    const auto number = static_cast<std::uint16_t>(targets_.size());
    targets_.emplace_back(name);
    targetNumbers_.emplace(name, number);
    return number;
}

void Ledger::append(const LedgerLine& line) {
    if (!file_) {
        platform::UserFolders::make(path_.substr(0, path_.rfind('/')));
        file_ = std::make_unique<platform::AppendOnlyFile>(path_, lockPath(), kLockWait,
                                                           std::string(LedgerLine::kTornMark));
    }
    file_->appendLine(line.text());
    const Change change = changeOf(line);
    applyAll({&change, 1});
}

bool Ledger::record(std::string_view target, std::string_view link) {
    return recordLine(LedgerLine::Kind::Sent, target, link);
}

bool Ledger::recordDownloaded(std::string_view target, std::string_view link) {
    return recordLine(LedgerLine::Kind::Downloaded, target, link);
}

bool Ledger::recordLine(LedgerLine::Kind kind, std::string_view target, std::string_view link) {
    const std::string canonical = CanonicalLink::of(link, {});
    const std::string name = LedgerLine::storableTarget(target);
    try {
        append({.time = indexTime(clock_()), .kind = kind, .target = name, .link = canonical});
        failing_ = false;
        return true;
    } catch (const platform::IoError& error) {
        if (!failing_ && report_) {
            report_("Cannot record sent links in " + path_ + ": " + error.what());
        }
        failing_ = true;
        return false;
    }
}

void Ledger::forget(std::string_view target, std::string_view canonical) {
    append({.time = indexTime(clock_()),
            .kind = LedgerLine::Kind::Forgotten,
            .target = target,
            .link = canonical});
}

void Ledger::drop(std::string_view target, std::string_view canonical) {
    if (const auto number = targetNumber(target)) {
        index_.erase(LinkHash::of(canonical), *number);
    }
}

void Ledger::setLineCounts(std::size_t lines, std::size_t forgotten) {
    lines_ = lines;
    forgotten_ = forgotten;
}

bool Ledger::sentTo(std::uint64_t hash, Asked asked) const {
    return asked.anyTarget ? index_.latest(hash).has_value()
                           : index_.find(hash, asked.target).has_value();
}

std::optional<Ledger::Asked> Ledger::asked(std::string_view target) const {
    if (target.empty()) {
        return Asked{true, 0};
    }
    const auto number = targetNumber(LedgerLine::storableTarget(target));
    return number ? std::optional(Asked{false, *number}) : std::nullopt;
}

std::optional<Ledger::Sent> Ledger::sentInfo(std::string_view link, std::string_view base) const {
    const auto latest = index_.latest(hashOf(link, base));
    if (!latest) {
        return std::nullopt;
    }
    return Sent{targets_[latest->target], latest->time};
}

bool Ledger::wasSent(std::string_view link, std::string_view target) const {
    const auto who = asked(target);
    return who && sentTo(hashOf(link, {}), *who);
}

std::optional<std::int64_t> Ledger::sentTime(std::string_view canonical,
                                             std::string_view target) const {
    const auto number = targetNumber(target);
    const auto time = number ? index_.find(LinkHash::of(canonical), *number) : std::nullopt;
    return time ? std::optional<std::int64_t>(*time) : std::nullopt;
}

std::vector<bool> Ledger::markSent(const LinkList& links, std::string_view base,
                                   std::string_view target) const {
    std::vector<bool> sent(links.count());
    const auto who = asked(target);
    if (!who) {
        return sent;
    }
    std::uint64_t hashes[kBlock];
    for (std::size_t first = 0; first < links.count(); first += kBlock) {
        const std::size_t count = std::min(kBlock, links.count() - first);
        for (std::size_t i = 0; i < count; ++i) {
            hashes[i] = hashOf(links.textAt(first + i), base);
            index_.prefetch(hashes[i]);
        }
        for (std::size_t i = 0; i < count; ++i) {
            sent[first + i] = sentTo(hashes[i], *who);
        }
    }
    return sent;
}

} // namespace harvex2::core
