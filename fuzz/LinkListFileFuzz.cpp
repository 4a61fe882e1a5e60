// Arbitrary bytes read as a link list file: a header that cannot be a link list's changes
// nothing; otherwise the reader takes exactly the whole records, never reads beyond one (a
// length byte above 128 reads as 128), sets the two header texts, fails only for a file
// that is short or ends inside a record, and what it loaded is written back as the same
// records through the file writer and read back equal.
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/LinkListLoader.h"
#include "core/listfiles/LinkListRecord.h"
#include "core/listfiles/ListHeader.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"
#include "platform/posix/ReplacingFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using namespace harvex2;
using core::LinkListRecord;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The text a record stands for, read the obvious way.
std::string_view textOf(std::string_view record) {
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(record[1]), LinkListRecord::kTextSize);
    return record.substr(2, length);
}

// In memory where the system offers a folder there: a file per run is the target's main cost.
std::string scratchFile(const char* name) {
    static const std::string prefix = [] {
        std::error_code ignored;
        const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", ignored)
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path();
        return (folder / ("harvex2-fuzz-" + std::to_string(::getpid()) + "-")).string();
    }();
    return prefix + name;
}

// Loads `bytes`; returns whether the load failed, and the failure's code.
bool load(const std::string& bytes, core::LinkList& links, core::ListHeader& header, int& code) {
    const std::string path = scratchFile("in.nva");
    {
        platform::ReplacingFile in(path);
        in.write(bytes);
        in.commit();
    }
    try {
        core::LinkListLoader(links, header).load(path);
    } catch (const platform::IoError& error) {
        code = error.code();
        return true;
    }
    return false;
}

void checkRoundTrip(const core::LinkList& links, const core::ListHeader& header) {
    {
        platform::ReplacingFile out(scratchFile("out.nva"));
        core::LinkListFileWriter::write(out, header, links);
        out.commit();
    }
    core::LinkList again;
    core::ListHeader headerAgain;
    core::LinkListLoader(again, headerAgain).load(scratchFile("out.nva"));
    check(again.count() == links.count());
    check(headerAgain.baseUrl() == header.baseUrl());
    check(headerAgain.downloadDirectory() == header.downloadDirectory());
    for (std::size_t i = 0; i < links.count(); ++i) {
        check(again.textAt(i) == links.textAt(i));
        check(again.checkedAt(i) == links.checkedAt(i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    core::LinkList links;
    core::ListHeader header;
    int code = 0;
    const bool failed = load(bytes, links, header, code);
    const std::string_view view(bytes);
    if (!LinkListRecord::couldBeHeader(view.substr(0, 3 * LinkListRecord::kSize))) {
        check(failed && code == platform::IoError::kNotLinkList);
        check(links.count() == 0 && header.baseUrl().empty());
        return 0;
    }
    check(!failed || code == platform::IoError::kReadBeyondEnd);

    const std::size_t records = size / LinkListRecord::kSize;
    const bool whole = size % LinkListRecord::kSize == 0;
    check(failed == (!whole || records < LinkListRecord::kHeaderRecords));
    const std::size_t entries = records > LinkListRecord::kHeaderRecords ? records - 3 : 0;
    check(links.count() == entries);
    if (records >= 3) {
        check(header.baseUrl() == textOf(view.substr(LinkListRecord::kSize)));
        check(header.downloadDirectory() == textOf(view.substr(2 * LinkListRecord::kSize)));
    }
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string_view record = view.substr((i + 3) * LinkListRecord::kSize);
        check(links.textAt(i) == textOf(record));
        check(links.checkedAt(i) == (record[0] != '\0'));
    }
    if (records >= 3) {
        checkRoundTrip(links, header);
    }
    return 0;
}
