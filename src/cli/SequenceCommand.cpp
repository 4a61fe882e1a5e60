#include "cli/SequenceCommand.h"

#include "cli/ExitStatus.h"
#include "cli/GlobSequence.h"
#include "cli/LinkWriter.h"
#include "core/handoff/DownloadTarget.h"
#include "core/sequence/SequenceError.h"
#include "core/sequence/SequencePlan.h"
#include "platform/ConversionError.h"

#include <algorithm>
#include <cctype>

namespace harvex2::cli {

namespace {

constexpr std::size_t kFewestValues = 3; // TEMPLATE START END
constexpr std::size_t kMostValues = 4;   // and STEP

// A negative number is a value, not an option; "-0" stays the option it is documented as.
bool isOption(const std::string& arg) {
    return arg.size() > 1 && arg.front() == '-' &&
           !(std::isdigit(static_cast<unsigned char>(arg[1])) && arg != "-0");
}

bool setMarker(const std::string& text, SequenceOptions& options) {
    const auto found = std::find(core::kDigitMarkers.begin(), core::kDigitMarkers.end(),
                                 text.size() == 1 ? text.front() : '\0');
    options.fields.charDigit = static_cast<std::int32_t>(found - core::kDigitMarkers.begin());
    return found != core::kDigitMarkers.end();
}

// Applies an option that takes a value; false when the value does not fit it.
bool applyValue(const std::string& name, const std::string& value, SequenceOptions& options,
                std::string& error) {
    if (name == "--marker") {
        if (!setMarker(value, options)) {
            error = "option '--marker' takes one of | # ~ ^";
            return false;
        }
    } else if (name == "--glob") {
        options.fields.glob = true;
        options.fields.url = value;
    } else if (name == "--mask") {
        options.mask = value;
    } else if (name == "--zeros") {
        options.fields.zeros = true;
        options.fields.zerosCount = value;
    } else {
        options.fields.downloadDir = value;
    }
    return true;
}

bool takesValue(const std::string& name) {
    return name == "--marker" || name == "--zeros" || name == "--dir" || name == "--glob" ||
           name == "--mask";
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

// Reads one option at args[i], with its value from args[i + 1] when it has one apart.
bool applyOption(const std::vector<std::string>& args, std::size_t& i, SequenceOptions& options,
                 std::string& error) {
    const std::string& arg = args[i];
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (takesValue(name)) {
        if (equals != std::string::npos) {
            return applyValue(name, arg.substr(equals + 1), options, error);
        }
        if (++i == args.size()) {
            error = "option '" + name + "' needs a value";
            return false;
        }
        return applyValue(name, args[i], options, error);
    }
    if (arg == "-0" || arg == "--null") {
        options.separator = '\0';
    } else if (arg == "-h" || arg == "--help") {
        options.help = true;
    } else {
        error = "unknown option '" + arg + "'";
        return false;
    }
    return true;
}

} // namespace

std::optional<SequenceOptions> SequenceCommand::parse(const std::vector<std::string>& args,
                                                      std::string& error) {
    SequenceOptions options;
    std::vector<std::string> values;
    bool onlyValues = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (onlyValues || !isOption(args[i])) {
            values.push_back(args[i]);
        } else if (args[i] == "--") {
            onlyValues = true;
        } else if (!applyOption(args, i, options, error)) {
            return std::nullopt;
        }
    }
    if (options.help) {
        return options;
    }
    if (options.fields.glob) {
        if (!values.empty() || options.fields.zeros || options.fields.charDigit != 0) {
            error = "sequence --glob takes no START, END, STEP, --marker or --zeros";
            return std::nullopt;
        }
    } else if (options.mask) {
        error = "option '--mask' needs '--glob'";
        return std::nullopt;
    } else if (!applyValues(values, options)) {
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
