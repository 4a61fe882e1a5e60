#include "cli/ConvertCommand.h"

#include "cli/ExitStatus.h"
#include "cli/ListInput.h"
#include "core/listfiles/LinkExport.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/LongTexts.h"
#include "core/shell/ProgramVersion.h"
#include "platform/IoError.h"
#include "platform/posix/ReplacingFile.h"

#include <ctime>
#include <stdexcept>

namespace harvex2::cli {

namespace {

std::optional<core::SaveFormat> formatNamed(const std::string& name) {
    if (name == "nva") {
        return core::SaveFormat::LinkList;
    }
    if (name == "html") {
        return core::SaveFormat::HtmlPage;
    }
    if (name == "text") {
        return core::SaveFormat::PlainText;
    }
    return std::nullopt;
}

// The local date and time in the C library's forms of the user's locale; the date alone
// at midnight, as the program writes it.
std::string localStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, midnight ? "%x" : "%x %X", &local);
    return std::string(text, length);
}

} // namespace

bool ConvertCommand::applyValue(const std::string& option, const std::string& value,
                                ConvertOptions& options, std::string& error) {
    if (option == "--to") {
        const auto format = formatNamed(value);
        if (!format) {
            error = "'--to' takes nva, html or text, not '" + value + "'";
            return false;
        }
        options.format = *format;
    } else if (option == "--base") {
        options.base = value;
    } else {
        options.output = value;
    }
    return true;
}

std::optional<ConvertOptions> ConvertCommand::parse(const std::vector<std::string>& args,
                                                    std::string& error) {
    ConvertOptions options;
    std::vector<std::string> inputs;
    bool formatGiven = false;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.size() < 2 || arg.front() != '-') {
            inputs.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--to" || arg == "--base" || arg == "-o" || arg == "--output") {
            if (++i == args.size()) {
                error = "option '" + arg + "' needs a value";
                return std::nullopt;
            }
            if (!applyValue(arg, args[i], options, error)) {
                return std::nullopt;
            }
            formatGiven = formatGiven || arg == "--to";
        } else if (arg == "--selected" || arg == "--unselected") {
            options.scope =
                arg == "--selected" ? core::SaveScope::Selected : core::SaveScope::Unselected;
        } else if (arg == "--cut-long") {
            options.cutLong = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    if (options.help) {
        return options;
    }
    error = check(options, formatGiven, inputs.size());
    if (!error.empty()) {
        return std::nullopt;
    }
    options.input = inputs.front();
    return options;
}

std::string ConvertCommand::check(const ConvertOptions& options, bool formatGiven,
                                  std::size_t inputs) {
    if (inputs != 1) {
        return inputs == 0 ? "no INPUT given" : "convert takes one INPUT";
    }
    if (!formatGiven) {
        return "no '--to' given";
    }
    if (options.output.empty()) {
        return "no '-o OUTPUT' given";
    }
    if (options.format == core::SaveFormat::LinkList && options.scope != core::SaveScope::All) {
        return "a link list file keeps every entry; '--selected' and '--unselected' are for "
               "html and text";
    }
    return {};
}

int ConvertCommand::run(const ConvertOptions& options, std::FILE*, std::FILE* err) {
    try {
        write(options);
    } catch (const std::runtime_error& error) {
        std::fprintf(err, "harvex2-cli: %s\n", error.what());
        return kFailed;
    }
    return kSuccess;
}

// Failures name the file they concern.
void ConvertCommand::write(const ConvertOptions& options) {
    core::LinkList links;
    core::ListHeader header;
    try {
        ListInput::read(options.input, links, header);
    } catch (const platform::IoError& error) {
        throw std::runtime_error(options.input + ": " + error.what());
    }
    if (options.base) {
        header.setBaseUrl(*options.base);
    }
    if (options.format == core::SaveFormat::LinkList && !options.cutLong) {
        const core::LongTexts cut = core::LongTexts::of(header, links);
        if (cut.count() > 0) {
            throw std::runtime_error(cut.message() +
                                     "\nharvex2-cli: nothing written; --cut-long saves them cut");
        }
    }
    try {
        platform::ReplacingFile out(options.output);
        if (options.format == core::SaveFormat::LinkList) {
            core::LinkListFileWriter::write(out, header, links);
        } else {
            core::LinkExport::write(out, links,
                                    {options.format,
                                     options.scope,
                                     header.baseUrl(),
                                     {core::ProgramVersion::text("."), localStamp()}});
        }
        out.commit();
    } catch (const platform::IoError& error) {
        throw std::runtime_error(options.output + ": " + error.what());
    }
}

} // namespace harvex2::cli
