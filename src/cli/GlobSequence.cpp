#include "cli/GlobSequence.h"

#include "cli/ExitStatus.h"
#include "cli/LinkWriter.h"
#include "core/handoff/DownloadTarget.h"
#include "core/sequence/GlobCursor.h"
#include "core/sequence/GlobError.h"
#include "core/sequence/RenameMask.h"

#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

namespace {

// What follows each URL after a tab, when anything does.
class RowTail {
public:
    RowTail(const SequenceOptions& options, std::uint64_t count)
        : directory_(options.fields.downloadDir), count_(count) {
        if (options.mask) {
            mask_.emplace(*options.mask);
        }
    }

    bool empty() const { return !mask_ && directory_.empty(); }

    void append(const core::GlobCursor& cursor, std::uint64_t row, std::string& line) {
        if (!mask_) {
            line += core::DownloadTarget::forLink(directory_, cursor.url());
            return;
        }
        counters_.resize(cursor.counterCount());
        for (std::size_t n = 0; n < counters_.size(); ++n) {
            counters_[n] = cursor.counter(n);
        }
        mask_->name({cursor.url(), row, count_, &counters_}, name_);
        line += directory_.empty() ? name_ : core::DownloadTarget::forLink(directory_, name_);
    }

private:
    const std::string& directory_;
    std::uint64_t count_;
    std::optional<core::RenameMask> mask_;
    std::vector<std::string_view> counters_;
    std::string name_;
};

void reportRefusal(const core::GlobError& failure, const std::string& glob, std::FILE* err) {
    std::fprintf(err, "harvex2-cli: %s\n%s\n%*s^\n", failure.what(), glob.c_str(),
                 static_cast<int>(failure.position() - 1), "");
}

} // namespace

int GlobSequence::run(const SequenceOptions& options, std::FILE* out, std::FILE* err) {
    const std::string& text = options.fields.url;
    std::optional<core::GlobTemplate> glob;
    try {
        glob.emplace(core::GlobTemplate::parse(text));
    } catch (const core::GlobError& failure) {
        reportRefusal(failure, text, err);
        return kFailed;
    }
    LinkWriter writer(out, options.separator);
    core::GlobCursor cursor(*glob);
    RowTail tail(options, glob->count());
    std::string line;
    std::uint64_t row = 1;
    // A reader that has gone away ends a series that may never end otherwise.
    do {
        if (tail.empty()) {
            writer.write(cursor.url());
        } else {
            line.assign(cursor.url());
            line += '\t';
            tail.append(cursor, row, line);
            writer.write(line);
        }
        ++row;
    } while (!writer.failed() && cursor.next());
    return writer.finish(err, "URLs") ? kSuccess : kFailed;
}

} // namespace harvex2::cli
