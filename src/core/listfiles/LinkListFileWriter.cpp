#include "core/listfiles/LinkListFileWriter.h"

#include "core/listfiles/LinkListRecord.h"
#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"
#include "platform/posix/ReplacingFile.h"

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
    for (std::size_t i = 0; i < count; ++i) {
        appendEntry(records, links, i);
        if ((i + 1) % kRun == 0 || i + 1 == count) {
            out.write(records);
            records.clear();
            if (progress) {
                progress(i);
            }
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

void LinkListFileWriter::appendEntry(std::string& out, const LinkList& links, std::size_t index) {
    LinkListRecord::append(out, links.textAt(index), links.checkedAt(index));
}

} // namespace harvex2::core
