#include "cli/SequenceCommand.h"

#include "cli/ExitStatus.h"
#include "cli/GlobSequence.h"
#include "cli/LinkWriter.h"
#include "cli/OptionParser.h"
#include "core/handoff/DownloadTarget.h"
#include "core/sequence/SequenceError.h"
#include "core/sequence/SequencePlan.h"
#include "platform/ConversionError.h"

#include <algorithm>

namespace harvex2::cli {

namespace {

constexpr std::size_t kFewestValues = 3; // TEMPLATE START END
constexpr std::size_t kMostValues = 4;   // and STEP

// Sets the marker named by the value of --marker; why it does not fit otherwise.
std::string setMarker(const std::string& text, SequenceOptions& options) {
    const auto found = std::find(core::kDigitMarkers.begin(), core::kDigitMarkers.end(),
                                 text.size() == 1 ? text.front() : '\0');
    if (found == core::kDigitMarkers.end()) {
        return "option '--marker' takes one of | # ~ ^";
    }
    options.fields.charDigit = static_cast<std::int32_t>(found - core::kDigitMarkers.begin());
    return {};
}

// Sets the positional values in their order; false when there are too few or too many.
bool applyValues(const std::vector<std::string>& values, SequenceOptions& options) {
    if (values.size() < kFewestValues || values.size() > kMostValues) {
        return false;
    }
    options.fields.url = values[0];
    options.fields.start = values[1];
    options.fields.end = values[2];
    options.fields.step = values.size() == kMostValues ? values[3] : "1";
    return true;
}

} // namespace

std::optional<SequenceOptions> SequenceCommand::parse(const std::vector<std::string>& args,
                                                      std::string& error) {
    SequenceOptions options;
    core::SequenceFields& fields = options.fields;
    OptionParser parser({
        {"--marker", [&options](const std::string& c) { return setMarker(c, options); }},
        {"--zeros",
         [&fields](const std::string& n) {
             fields.zeros = true;
             fields.zerosCount = n;
             return std::string();
         }},
        {"--dir", storeIn(fields.downloadDir)},
        {"--glob",
         [&fields](const std::string& glob) {
             fields.glob = true;
             fields.url = glob;
             return std::string();
         }},
        {"--mask", storeIn(options.mask)},
        {"-0", "--null", [&options] { options.separator = '\0'; }},
        {"-h", "--help", turnOn(options.help)},
    });
    const auto values = parser.takingNegativeNumbers().parse(args, error);
    if (!values) {
        return std::nullopt;
    }
    if (options.help) {
        return options;
    }
    if (options.fields.glob) {
        if (!values->empty() || options.fields.zeros || options.fields.charDigit != 0) {
            error = "sequence --glob takes no START, END, STEP, --marker or --zeros";
            return std::nullopt;
        }
    } else if (options.mask) {
        error = "option '--mask' needs '--glob'";
        return std::nullopt;
    } else if (!applyValues(*values, options)) {
        error = "sequence needs TEMPLATE START END and at most a STEP";
        return std::nullopt;
    }
    return options;
}

int SequenceCommand::run(const SequenceOptions& options, std::FILE* out, std::FILE* err) {
    if (options.fields.glob) {
        return GlobSequence::run(options, out, err);
    }
    std::optional<core::SequencePlan> plan;
    try {
        plan.emplace(options.fields);
    } catch (const core::SequenceError& failure) {
        std::fprintf(err, "harvex2-cli: %s\n", failure.what());
        return kFailed;
    } catch (const platform::ConversionError& failure) {
        std::fprintf(err, "harvex2-cli: %s\n", failure.what());
        return kFailed;
    }
    LinkWriter writer(out, options.separator);
    const std::string& directory = options.fields.downloadDir;
    std::string url;
    std::string line;
    // A reader that has gone away ends a series that may run to four billion lines.
    for (std::uint64_t index = 0; index < plan->count() && !writer.failed(); ++index) {
        plan->urlAt(index, url);
        if (directory.empty()) {
            writer.write(url);
            continue;
        }
        line.assign(url);
        line += '\t';
        line += core::DownloadTarget::forLink(directory, url);
        writer.write(line);
    }
    return writer.finish(err, "URLs") ? kSuccess : kFailed;
}

} // namespace harvex2::cli
