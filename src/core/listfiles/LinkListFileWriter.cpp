#include "core/listfiles/LinkListFileWriter.h"

#include "core/listfiles/LinkListRecord.h"
#include "core/listfiles/ListFileBoxes.h"
#include "core/listfiles/LongTexts.h"
#include "core/shell/LinkList.h"
#include "platform/posix/ReplacingFile.h"

#include <algorithm>

namespace harvex2::core {

namespace {
// Records are gathered and the progress told once per this many entries: a save of a
// million entries then costs a few hundred writes and label changes.
constexpr std::size_t kRun = 4096;
} // namespace

void LinkListFileWriter::write(platform::ReplacingFile& out, const ListFileBoxes& header,
                               const LinkList& links, const Progress& progress) {
    std::string records = head(header);
    records.reserve(kRun * LinkListRecord::kSize);
    const std::size_t count = links.count();
    for (std::size_t first = 0; first < count; first += kRun) {
        const std::size_t end = std::min(count, first + kRun);
        appendEntries(records, links, first, end);
        out.write(records);
        records.clear();
        if (progress) {
            progress(end - 1);
        }
    }
    out.write(records);
}

std::string LinkListFileWriter::head(const ListFileBoxes& header) {
    std::string records;
    LinkListRecord::append(records, LinkListRecord::kFormatText, false);
    LinkListRecord::append(records, header.baseUrl(), false);
    LinkListRecord::append(records, header.downloadDirectory(), false);
    return records;
}

// Zeroed all at once, the records' unused bytes cost a fraction of what each record's
// own would.
void LinkListFileWriter::appendEntries(std::string& out, const LinkList& links, std::size_t first,
                                       std::size_t end, LongTexts* seen) {
    const std::size_t start = out.size();
    out.resize(start + (end - first) * LinkListRecord::kSize);
    char* record = out.data() + start;
    for (std::size_t i = first; i < end; ++i, record += LinkListRecord::kSize) {
        const std::string_view text = links.textAt(i);
        if (seen) {
            seen->see(text);
        }
        LinkListRecord::fill(record, text, links.checkedAt(i));
    }
}

} // namespace harvex2::core
