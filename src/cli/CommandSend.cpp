#include "cli/CommandSend.h"

#include "cli/ExitStatus.h"
#include "core/handoff/CommandOutcome.h"
#include "core/handoff/CommandTemplate.h"
#include "platform/IntegerText.h"
#include "platform/posix/SpawnLauncher.h"

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <set>

namespace harvex2::cli {

namespace {

void printLine(std::FILE* out, const std::string& first, const std::string& link, char end) {
    std::fprintf(out, "%s\t", first.c_str());
    std::fwrite(link.data(), 1, link.size(), out);
    std::fputc(end, out);
}

// The rows' command lines; a refused row is told at once and gets no line.
std::vector<std::pair<std::size_t, core::FilledCommand>>
linesFor(const core::CommandTemplate& commands, const SendOptions& options,
         const std::vector<SendLink>& links, std::FILE* out, bool& allRan) {
    std::vector<std::pair<std::size_t, core::FilledCommand>> lines;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const core::CommandValues values = core::CommandValues::forLink(
            links[i].url, options.dir, links[i].named.name, links[i].named.referrer, i + 1);
        core::FilledCommand line = commands.fill(values);
        if (line.refusal.empty() && values.makeNameFolders(line.refusal)) {
            lines.emplace_back(i, std::move(line));
        } else {
            printLine(out, "refused: " + line.refusal, links[i].url, options.separator);
            allRan = false;
        }
    }
    return lines;
}

// The message naming the first program that cannot be started, empty when all can.
std::string missingProgram(const std::vector<std::pair<std::size_t, core::FilledCommand>>& lines,
                           const platform::ProcessLauncher& launcher) {
    std::set<std::string> programs;
    for (const auto& [row, line] : lines) {
        if (programs.insert(line.words.front()).second) {
            if (std::string message =
                    core::CommandOutcome::missingProgram(line.words.front(), launcher);
                !message.empty()) {
                return message;
            }
        }
    }
    return {};
}

} // namespace

CommandOption::Value CommandSend::jobsIn(std::size_t& jobs) {
    return [&jobs](const std::string& value) -> std::string {
        const auto number = platform::IntegerText::tryParse(value);
        if (!number || *number < 1) {
            return "a whole number from 1";
        }
        jobs = static_cast<std::size_t>(*number);
        return {};
    };
}

bool CommandSend::checkOptions(const SendOptions& options, std::string& error) {
    if (options.skipSent) {
        error = "--skip-sent works with --aria2 only";
        return false;
    }
    return core::CommandTemplate::parse(*options.command, error).has_value();
}

int CommandSend::run(const SendOptions& options, const std::vector<SendLink>& links, std::FILE* out,
                     std::FILE* err) {
    platform::SpawnLauncher launcher;
    return run(options, links, launcher, out, err);
}

int CommandSend::run(const SendOptions& options, const std::vector<SendLink>& links,
                     platform::ProcessLauncher& launcher, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto commands = core::CommandTemplate::parse(*options.command, error);
    bool allDone = true;
    auto lines = linesFor(*commands, options, links, out, allDone);
    if (const std::string missing = missingProgram(lines, launcher); !missing.empty()) {
        std::fprintf(err, "harvex2-cli: %s\n", missing.c_str());
        return kFailed;
    }
    // Most downloaders save into a folder only when it is there.
    std::error_code folderError;
    if (!options.dir.empty() && !std::filesystem::is_directory(options.dir) &&
        !std::filesystem::create_directories(options.dir, folderError)) {
        std::fprintf(err, "harvex2-cli: %s: %s\n", options.dir.c_str(),
                     folderError.message().c_str());
        return kFailed;
    }
    std::mutex mutex;
    std::condition_variable ended;
    std::size_t left = lines.size();
    std::vector<platform::ProcessJob> jobs;
    for (auto& [row, line] : lines) {
        jobs.push_back({std::move(line.words), {}, [&, row = row](const platform::ProcessEnd& end) {
                            const std::lock_guard lock(mutex);
                            const std::string text = core::CommandOutcome::text(end);
                            printLine(out, end.succeeded() ? text : "error: " + text,
                                      links[row].url, options.separator);
                            allDone = allDone && end.succeeded();
                            --left;
                            ended.notify_all();
                        }});
    }
    launcher.add(std::move(jobs), {options.jobs, std::nullopt});
    std::unique_lock lock(mutex);
    ended.wait(lock, [&] { return left == 0; });
    return std::fflush(out) == 0 && allDone ? kSuccess : kFailed;
}

} // namespace harvex2::cli
