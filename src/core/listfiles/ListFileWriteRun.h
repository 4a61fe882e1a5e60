#pragma once

#include "core/listfiles/ListFileObserver.h"
#include "core/shell/SlicedRun.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <string>

namespace harvex2::platform {
class ReplacingFile;
}

namespace harvex2::core {

// Writes a file of the list a run of entries per slice, then puts it in place. Putting it
// in place waits for the disk, which may take long for a large file, so it happens on a
// worker thread while the slices only look whether it is done. A run cancelled before
// that leaves any earlier file as it was; once the file is being put in place it is
// finished, so the file is always either the old one or the whole new one.
class ListFileWriteRun final : public SlicedRun {
public:
    static constexpr std::size_t kRun = 4096;
    // How long one slice waits for the file to be in place.
    static constexpr std::chrono::milliseconds kCommitWait{1};

    // Appends the bytes of the entries from `first` up to but not including `end`.
    using Entries = std::function<void(std::string& out, std::size_t first, std::size_t end)>;

    // Writes `head`, the first `count` entries and `tail` to `out`.
    ListFileWriteRun(std::unique_ptr<platform::ReplacingFile> out, std::string head,
                     std::size_t count, Entries entries, std::string tail,
                     ListFileObserver& observer);
    // Waits for a file being put in place.
    ~ListFileWriteRun() override;

    bool advance() override;
    void cancel() override { cancelled_ = true; }
    // Does all that is left at once, as when the program ends.
    void complete();

private:
    enum class Stage { Entries, Committing, Ended };
    void writeSlice();

    std::unique_ptr<platform::ReplacingFile> out_;
    std::string tail_;
    std::size_t count_;
    Entries entries_;
    ListFileObserver& observer_;
    std::string bytes_;
    std::size_t next_ = 0;
    Stage stage_ = Stage::Entries;
    bool cancelled_ = false;
    std::future<void> commit_; // after out_: it is waited for before the file goes
};

} // namespace harvex2::core
