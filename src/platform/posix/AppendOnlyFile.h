#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace harvex2::platform {

// A file that only grows, by whole lines, with any number of processes writing at once:
// each line goes in one write to a descriptor opened with O_APPEND, so lines never mix.
// Every write holds the lock file beside it shared; whoever replaces the file (a
// compaction) holds it exclusively, so no line is written into a file that is being
// replaced. Ending a line a writer left unfinished holds it exclusively too, so that a
// line still being written is never taken for one.
class AppendOnlyFile {
public:
    // `tornMark` ends a last line that a writer left unfinished, before its line feed: a
    // mark the file's readers refuse, so that the line stays unread once it is ended.
    AppendOnlyFile(std::string path, std::string lockPath, std::chrono::milliseconds lockWait,
                   std::string tornMark);
    ~AppendOnlyFile();
    AppendOnlyFile(const AppendOnlyFile&) = delete;
    AppendOnlyFile& operator=(const AppendOnlyFile&) = delete;

    // Appends `line` and its line feed, making the file when missing. A last line left
    // without its end (a writer died mid-line) is marked and ended first, so the new line is
    // whole.
    // Throws IoError.
    void appendLine(std::string_view line);

private:
    // Opens the file now at the path, unless the descriptor is still that file.
    void openCurrent();
    bool endsMidLine() const;
    void writeAll(std::string_view bytes) const;

    std::string path_;
    std::string lockPath_;
    std::chrono::milliseconds lockWait_;
    std::string tornMark_;
    int fd_ = -1;
};

} // namespace harvex2::platform
