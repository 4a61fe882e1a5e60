#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The local date of a hand-off, as a name mask writes it.
struct HandoffDate {
    int year = 1970;
    int month = 1;
    int day = 1;

    static HandoffDate local(std::time_t when);
};

// A file name made for each link from a mask the user writes. The tags: `*name*` and `*ext*`,
// the link's file name (percent-escapes decoded) without its extension and the extension;
// `*num*`, the row number zero-padded to the width of the row count; `*host*`; `*subdirs*`,
// the link's folders as folders; `*y*`, `*m*`, `*d*`, the date of the hand-off; `#1`, `#2`
// ..., the counters of a bracket template the link was made from. Any other text stands as
// it is. "/" in the mask makes folders.
//
// A link's text is untrusted: every folder and the name follow FileNameRule, and a folder
// that comes out ".", ".." or empty is dropped, so no name leaves the chosen folder.
class NameMask {
public:
    struct Row {
        std::string_view url;
        std::uint64_t number = 1; // from 1
        std::uint64_t count = 1;  // rows in all
        // The values of the template's counters, in its order; null when the link had none.
        const std::vector<std::string>* counters = nullptr;
    };

    explicit NameMask(std::string_view mask);

    bool empty() const { return segments_.empty(); }
    // The relative path, folders joined by "/", or empty when the mask leaves no usable file
    // name and the download manager should name the file itself.
    std::string pathFor(const Row& row, const HandoffDate& date) const;

    // A relative path given whole, such as an imported name, under the same rules.
    static std::string cleanPath(std::string_view path);
    // The folders of a link's path, each percent-decoded and not yet cleaned.
    static std::vector<std::string> foldersOf(std::string_view url);

private:
    enum class Tag { Text, Counter, Name, Ext, Num, Host, Subdirs, Year, Month, Day };
    struct Part {
        Tag tag;
        std::string text;        // Text, and how a Counter was written
        std::size_t counter = 0; // Counter: from 1
    };
    using Segment = std::vector<Part>;

    static std::string joinClean(const std::vector<std::string>& raw);
    static Segment parseSegment(std::string_view text);
    // Appends what the segment makes; *subdirs* may open new segments.
    void expand(const Segment& segment, const Row& row, const HandoffDate& date,
                std::vector<std::string>& out) const;
    static std::string valueOf(const Part& part, const Row& row, const HandoffDate& date);

    std::vector<Segment> segments_;
};

} // namespace harvex2::core
