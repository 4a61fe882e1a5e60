#include "core/handoff/JobFileManager.h"

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/NetVampireContract.h"
#include "platform/AsciiText.h"
#include "platform/RegistryStore.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace harvex2::core {

namespace {

using Contract = NetVampireContract;

bool isJobFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) &&
           platform::AsciiText::equalsIgnoringCase(entry.path().extension().string(), ".nvj");
}

} // namespace

JobFileManager::JobFileManager(platform::RegistryStore& userStore,
                               platform::RegistryStore& machineStore)
    : userStore_(userStore),
      rootFolder_(Contract::dataFolderFor(Contract::recordedLocation(machineStore))) {
    reloadJobs();
}

void JobFileManager::setRootFolder(std::string folder) {
    if (!folder.empty() && !Contract::isSeparator(folder.back())) {
        folder += Contract::kSeparator;
    }
    rootFolder_ = std::move(folder);
}

void JobFileManager::setRefreshInterval(int milliseconds) {
    refreshInterval_ = std::max(milliseconds, 1000);
    reschedule();
}

void JobFileManager::setAutoRefresh(bool on) {
    autoRefresh_ = on;
    reschedule();
}

void JobFileManager::setPollTimer(PollTimer* timer) {
    pollTimer_ = timer;
    reschedule();
}

void JobFileManager::reschedule() {
    if (pollTimer_) {
        pollTimer_->schedule(autoRefresh_, refreshInterval_);
    }
}

void JobFileManager::loaded() {
    fireReloadJobs();
}

void JobFileManager::fireReloadJobs() {
    if (onReloadJobs) {
        onReloadJobs(*this);
    }
}

std::size_t JobFileManager::reloadJobs() {
    jobs_.clear();
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder(Jobs), error)) {
        if (isJobFile(entry)) {
            names.push_back(platform::AsciiText::upper(entry.path().stem().string()));
        }
    }
    // The desktop lists a folder in name order; so does this.
    std::sort(names.begin(), names.end());
    for (std::string& name : names) {
        jobs_.push_back(std::make_unique<NetVampireJob>(*this, std::move(name)));
    }
    fireReloadJobs();
    return jobs_.size();
}

NetVampireJob* JobFileManager::findJob(const std::string& name) {
    const std::string wanted = platform::AsciiText::upper(name);
    const auto job = std::find_if(jobs_.begin(), jobs_.end(),
                                  [&wanted](const auto& each) { return each->name() == wanted; });
    return job == jobs_.end() ? nullptr : job->get();
}

std::string JobFileManager::addJob(const std::string& url, std::int8_t stateCode) {
    NetVampireJob& job = *jobs_.emplace_back(claimJob(stateCode));
    job.set(kPropertyLocation, url);
    fireReloadJobs();
    return job.name();
}

// Other copies of this program may add jobs to the same folder at the same time: reading
// the counter, finding a free number, making the job's files and storing the counter are
// one step under the store's lock. A number whose job or state file exists is skipped;
// counting on from a missing or unreadable counter is safe for the same reason. The job's
// location key takes the number after it.
std::unique_ptr<NetVampireJob> JobFileManager::claimJob(std::int8_t stateCode) {
    std::unique_ptr<NetVampireJob> job;
    try {
        userStore_.changeInteger(std::string(Contract::kCounterKey),
                                 std::string(Contract::kCounterValue),
                                 [&](std::optional<std::int32_t> stored) {
                                     auto number = static_cast<std::uint32_t>(stored.value_or(0));
                                     job = createFirstFree(number, stateCode);
                                     return static_cast<std::int32_t>(number + 2);
                                 });
    } catch (const platform::RegistryError& error) {
        // The counter was not stored: the number stays free for the next try.
        if (job) {
            job->discard();
        }
        throw HandoffError(error.what());
    }
    return job;
}

std::unique_ptr<NetVampireJob> JobFileManager::createFirstFree(std::uint32_t& number,
                                                               std::int8_t stateCode) {
    for (;; ++number) {
        auto job = std::make_unique<NetVampireJob>(*this, jobName(number));
        if (job->create(stateCode, jobName(number + 1))) {
            return job;
        }
    }
}

std::string JobFileManager::folder(int kind) const {
    return Contract::jobFolder(rootFolder_, kind);
}

std::string JobFileManager::jobName(std::uint32_t number) {
    char name[16];
    std::snprintf(name, sizeof name, "A%07X", static_cast<unsigned>(number));
    return name;
}

void JobFileManager::poll() {
    if (!autoRefresh_ || (!onJobChangeState && !onJobSomethingChange)) {
        return;
    }
    // Everything is read before anyone hears of a change, so a handler may even reload.
    std::vector<std::pair<std::string, int>> changes;
    for (const auto& job : jobs_) {
        for (int number = 0; number < kJobPropertyCount; ++number) {
            const auto before = job->cached(number);
            const JobValue now = before ? job->get(number) : JobValue{};
            // Null stands for this program's own write: the fresh value becomes the baseline.
            if (before && !std::holds_alternative<std::monostate>(*before) && *before != now) {
                changes.emplace_back(job->name(), number);
            }
        }
    }
    for (const auto& [name, number] : changes) {
        notify(name, number);
    }
}

void JobFileManager::notify(const std::string& name, int number) {
    if (onJobSomethingChange) {
        onJobSomethingChange(*this, name);
    }
    if (number == kPropertyState && onJobChangeState) {
        onJobChangeState(*this, name);
    }
}

} // namespace harvex2::core
