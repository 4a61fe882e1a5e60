#include "cli/ConvertCommand.h"

#include "cli/ExitStatus.h"
#include "cli/ListInput.h"
#include "cli/OptionParser.h"
#include "core/listfiles/LinkExport.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/LongTexts.h"
#include "core/listfiles/ManagerListExport.h"
#include "core/listfiles/ManagerListLine.h"
#include "core/shell/ProgramVersion.h"
#include "platform/IoError.h"
#include "platform/posix/ReplacingFile.h"

#include <ctime>
#include <stdexcept>

namespace harvex2::cli {

namespace {

// Sets the form named by the value of --to; why it does not fit otherwise.
std::string setFormat(const std::string& name, ConvertOptions& options) {
    if (name == "nva") {
        options.format = core::SaveFormat::LinkList;
    } else if (name == "html") {
        options.format = core::SaveFormat::HtmlPage;
    } else if (name == "text") {
        options.format = core::SaveFormat::PlainText;
    } else if (name == "aria2") {
        options.format = core::SaveFormat::Aria2Input;
    } else if (name == "wget") {
        options.format = core::SaveFormat::WgetList;
    } else if (name == "curl") {
        options.format = core::SaveFormat::CurlConfig;
    } else if (name == "jsonl") {
        options.format = core::SaveFormat::JsonLines;
    } else {
        return "'--to' takes nva, html, text, aria2, wget, curl or jsonl, not '" + name + "'";
    }
    return {};
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

std::optional<ConvertOptions> ConvertCommand::parse(const std::vector<std::string>& args,
                                                    std::string& error) {
    ConvertOptions options;
    bool formatGiven = false;
    std::vector<CommandOption> table{
        {"--to",
         [&](const std::string& name) {
             formatGiven = true;
             return setFormat(name, options);
         }},
        {"--base", storeIn(options.base)},
        {"-o", "--output", storeIn(options.output)},
        {"--selected", [&options] { options.scope = core::SaveScope::Selected; }},
        {"--unselected", [&options] { options.scope = core::SaveScope::Unselected; }},
        {"--cut-long", turnOn(options.cutLong)},
        {"--mask", storeIn(options.mask)},
        {"--dir", storeIn(options.dir)},
        {"--referer", storeIn(options.referrer)},
        {"--names", turnOn(options.names)},
        {"-h", "--help", turnOn(options.help)},
    };
    options.rules.addTo(table, true);
    const auto inputs = OptionParser(std::move(table)).parse(args, error);
    if (!inputs || !options.rules.compile(error)) {
        return std::nullopt;
    }
    if (options.help) {
        return options;
    }
    error = check(options, formatGiven, inputs->size());
    if (!error.empty()) {
        return std::nullopt;
    }
    options.input = inputs->front();
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
               "the other forms";
    }
    const bool forManager = core::ManagerListLine::isManagerForm(options.format);
    if (!forManager &&
        (!options.mask.empty() || !options.dir.empty() || options.referrer != "none")) {
        return "'--mask', '--dir' and '--referer' are for aria2, wget, curl and jsonl";
    }
    return {};
}

int ConvertCommand::run(const ConvertOptions& options, std::FILE*, std::FILE* err) {
    try {
        write(options, err);
    } catch (const std::runtime_error& error) {
        std::fprintf(err, "harvex2-cli: %s\n", error.what());
        return kFailed;
    }
    return kSuccess;
}

// Failures name the file they concern.
void ConvertCommand::write(const ConvertOptions& options, std::FILE* err) {
    core::LinkList links;
    core::ListHeader header;
    try {
        ListInput::read(options.input, links, header, options.names);
    } catch (const platform::IoError& error) {
        throw std::runtime_error(options.input + ": " + error.what());
    }
    if (options.base) {
        header.setBaseUrl(*options.base);
    }
    const std::string base = header.baseUrl();
    options.rules.apply(links, {base}, err);
    if (options.format == core::SaveFormat::LinkList && !options.cutLong) {
        const core::LongTexts cut = core::LongTexts::of(header, links);
        if (cut.count() > 0) {
            throw std::runtime_error(cut.message() +
                                     "\nharvex2-cli: nothing written; --cut-long saves them cut");
        }
    }
    std::string refused;
    try {
        platform::ReplacingFile out(options.output);
        if (options.format == core::SaveFormat::LinkList) {
            core::LinkListFileWriter::write(out, header, links);
        } else if (core::ManagerListLine::isManagerForm(options.format)) {
            refused = writeForManager(options, links, header.baseUrl(), out);
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
    if (!refused.empty()) {
        throw std::runtime_error(refused);
    }
}

// The links the form cannot hold are left out; the message telling them makes the command
// fail once the others are written.
std::string ConvertCommand::writeForManager(const ConvertOptions& options,
                                            const core::LinkList& links, const std::string& baseUrl,
                                            platform::ReplacingFile& out) {
    core::ManagerListExport exporter(links, {options.format, options.scope, baseUrl, options.dir,
                                             options.mask, core::Referrer::parse(options.referrer),
                                             core::HandoffDate::local(std::time(nullptr))});
    exporter.write(out);
    return exporter.refusalMessage();
}

} // namespace harvex2::cli
