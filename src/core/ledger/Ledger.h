#pragma once

#include "core/ledger/LedgerLine.h"
#include "core/ledger/SentIndex.h"
#include "core/rules/SentLookup.h"
#include "platform/posix/FileStamp.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::platform {
class AppendOnlyFile;
}

namespace harvex2::core {

class LinkList;

// The record of links that targets confirmed: the ledger file, one line per confirmation
// (see LedgerLine), and in memory a 64-bit hash of each link's canonical form with its
// target and time. Links are compared in their canonical form.
class Ledger : public SentLookup {
public:
    using Clock = std::function<std::int64_t()>; // seconds since 1970, UTC
    using FailureReport = std::function<void(const std::string& message)>;

    struct Sent {
        std::string target;
        std::int64_t time;
    };

    // How long an append or a compaction waits for another copy of the program.
    static constexpr std::chrono::milliseconds kLockWait{3000};

    // The user's ledger: "sent" in the program's data folder.
    static std::string defaultPath();
    static std::int64_t systemTime();

    explicit Ledger(std::string path, Clock clock = systemTime);
    ~Ledger() override;
    Ledger(Ledger&&) noexcept;
    Ledger& operator=(Ledger&&) noexcept;

    // Reads the file; a missing file is an empty ledger. Throws platform::IoError.
    void load();
    // Takes in what other copies of the program appended since the file was read, or reads
    // it anew when it was replaced (a compaction); a file that did not change costs one
    // look at its size. Returns whether it read anything. Throws platform::IoError.
    bool refresh();

    // A target confirmed `link`, as it was handed over. False when the line could not be
    // written: the first such failure, until a write succeeds again, goes to the report.
    bool record(std::string_view target, std::string_view link);
    // The target has completed the download of `link`: a "downloaded" line, and the link's
    // latest sending from now. False as for `record`.
    bool recordDownloaded(std::string_view target, std::string_view link);
    void setFailureReport(FailureReport report) { report_ = std::move(report); }

    // The latest sending of `link`, resolved against `base`, to any target.
    std::optional<Sent> sentInfo(std::string_view link, std::string_view base = {}) const;
    // An empty `target` asks about every target.
    bool wasSent(std::string_view link, std::string_view target) const override;
    // For each entry of `links`, resolved against `base`: whether it was sent, to `target`
    // or, when that is empty, to any.
    std::vector<bool> markSent(const LinkList& links, std::string_view base,
                               std::string_view target = {}) const;

    // The same questions for a link already in canonical form.
    std::optional<std::int64_t> sentTime(std::string_view canonical, std::string_view target) const;
    // Appends a "forgotten" line and drops the pair. Throws platform::IoError.
    void forget(std::string_view target, std::string_view canonical);
    // Drops the pair from memory only.
    void drop(std::string_view target, std::string_view canonical);

    const std::string& path() const { return path_; }
    std::string lockPath() const { return path_ + ".lock"; }
    std::size_t size() const { return index_.size(); }
    std::size_t memoryBytes() const { return index_.memoryBytes(); }
    // Forgotten lines make half of the file or more: time to compact it. (Each forgotten
    // line takes back at least one "sent" line, so they can never pass half.)
    bool compactionDue() const { return forgotten_ > 0 && forgotten_ * 2 >= lines_; }
    void setLineCounts(std::size_t lines, std::size_t forgotten);

private:
    // A line as the index takes it: its target is known from here on when it was sent.
    struct Change {
        bool forgotten;
        std::uint64_t hash;
        std::optional<std::uint16_t> target; // none: a target never sent to, or too many
        std::uint32_t time;
    };
    bool recordLine(LedgerLine::Kind kind, std::string_view target, std::string_view link);
    Change changeOf(const LedgerLine& line);
    // Reads the file from `from` on into the index.
    void readFrom(std::uint64_t from);
    void applyAll(std::span<const Change> changes);
    void append(const LedgerLine& line);
    std::optional<std::uint16_t> targetNumber(std::string_view name) const;
    std::optional<std::uint16_t> addTarget(std::string_view name);
    // Whom a question is about: every target, or one by its number.
    struct Asked {
        bool anyTarget;
        std::uint16_t target;
    };
    // Nothing for a target the ledger has never seen.
    std::optional<Asked> asked(std::string_view target) const;
    bool sentTo(std::uint64_t hash, Asked asked) const;

    std::string path_;
    Clock clock_;
    FailureReport report_;
    bool failing_ = false;
    std::unique_ptr<platform::AppendOnlyFile> file_;
    SentIndex index_;
    std::vector<std::string> targets_;
    std::map<std::string, std::uint16_t, std::less<>> targetNumbers_;
    std::size_t lines_ = 0;
    std::size_t forgotten_ = 0;
    // The file as last read, and where its last whole line ended.
    platform::FileStamp readStamp_;
    std::uint64_t readEnd_ = 0;
};

} // namespace harvex2::core
