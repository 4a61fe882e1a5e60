#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The rows of the sequence preview: each URL, and where it would be saved. The URLs lie end
// to end in blocks of a fixed size and the download paths are made when asked for, so a
// preview of a million numbers costs little more than the bytes of its URLs, and no row
// costs more than another for being late in the series.
class PreviewRows {
public:
    // Empties the rows; the rows that follow are saved to `downloadDir`.
    void clear(std::string downloadDir);
    void append(std::string_view url);

    std::size_t count() const { return spans_.size(); }
    std::string_view url(std::size_t row) const;
    // Empty when there is no download directory.
    std::string downloadTo(std::size_t row) const;

    // The rows with the longest URL and the longest download path. The texts of a series
    // differ only in their numbers, so the longest is also the widest shown.
    std::size_t longestUrlRow() const { return longestUrl_; }
    std::size_t longestDownloadToRow() const { return longestName_; }

private:
    struct Span {
        std::size_t block;
        std::size_t offset;
        std::size_t size;
    };
    static std::size_t nameSize(std::string_view url);

    std::string downloadDir_;
    std::vector<std::string> blocks_;
    std::deque<Span> spans_;
    std::size_t longestUrl_ = 0;
    std::size_t longestName_ = 0;
};

} // namespace harvex2::core
