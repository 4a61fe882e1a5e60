#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The rows of the sequence preview: each URL, and where it would be saved. The URLs lie end
// to end in one buffer and the download paths are made when asked for, so a preview of a
// million numbers costs little more than the bytes of its URLs.
class PreviewRows {
public:
    // Empties the rows; the rows that follow are saved to `downloadDir`.
    void clear(std::string downloadDir);
    void append(std::string_view url);

    std::size_t count() const { return ends_.size(); }
    std::string_view url(std::size_t row) const;
    // Empty when there is no download directory.
    std::string downloadTo(std::size_t row) const;

private:
    std::string downloadDir_;
    std::string urls_;
    std::vector<std::size_t> ends_;
};

} // namespace harvex2::core
