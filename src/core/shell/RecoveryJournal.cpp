#include "core/shell/RecoveryJournal.h"

#include "core/shell/LinkList.h"
#include "core/shell/RecoveryRecords.h"
#include "platform/posix/ProcessIds.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace harvex2::core {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPartial = ".new";

std::optional<int> processOf(std::string_view name) {
    const std::string_view prefix = "list-";
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    int pid = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data() + prefix.size(), end, pid);
    if (error != std::errc() || stop != end || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

} // namespace

std::string RecoveryJournal::standardFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/') {
        return std::string(state) + "/harvex2";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::string(home) + "/.local/state/harvex2";
    }
    return {};
}

RecoveryJournal::RecoveryJournal(std::string folder)
    : folder_(std::move(folder)), path_(folder_ + "/" + fileName(platform::currentProcessId())) {}

std::unique_ptr<SlicedRun> RecoveryJournal::save(const LinkList& links) {
    if (links.revision() == mark_.revision && (mark_.whole || links.revision() == 0)) {
        return nullptr;
    }
    std::error_code ignored;
    fs::create_directories(folder_, ignored);
    return std::make_unique<RecoverySave>(links, path_, mark_);
}

void RecoveryJournal::saveNow(const LinkList& links) {
    if (auto run = save(links)) {
        while (run->advance()) {
        }
    }
}

void RecoveryJournal::remove() {
    std::error_code ignored;
    fs::remove(path_, ignored);
    mark_ = {};
}

std::optional<LinkList::Saved> RecoveryJournal::claimLeftBehind() {
    removeUnfinished();
    std::error_code error;
    for (fs::directory_iterator file(folder_, error), end; !error && file != end;
         file.increment(error)) {
        const std::optional<int> pid = processOf(file->path().filename().string());
        if (!pid || (*pid != platform::currentProcessId() && platform::processRunning(*pid))) {
            continue;
        }
        // Another copy starting now may have taken it first.
        std::error_code taken;
        if (file->path() != path_) {
            fs::rename(file->path(), path_, taken);
        }
        if (!taken) {
            mark_ = {};
            return RecoveryRecords::read(contents(path_));
        }
    }
    return std::nullopt;
}

// A whole rewrite that its copy did not live to finish: the file beside it is the one to
// restore.
void RecoveryJournal::removeUnfinished() const {
    std::vector<fs::path> unfinished;
    std::error_code error;
    for (fs::directory_iterator file(folder_, error), end; !error && file != end;
         file.increment(error)) {
        std::string name = file->path().filename().string();
        if (!name.ends_with(kPartial)) {
            continue;
        }
        name.resize(name.size() - kPartial.size());
        const std::optional<int> pid = processOf(name);
        if (pid && *pid != platform::currentProcessId() && !platform::processRunning(*pid)) {
            unfinished.push_back(file->path());
        }
    }
    for (const fs::path& path : unfinished) {
        fs::remove(path, error);
    }
}

} // namespace harvex2::core
