#include "core/handoff/TNVManager.h"

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/NetVampireContract.h"
#include "platform/RegistryStore.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

namespace {

using Contract = NetVampireContract;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

bool isJobFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) &&
           upper(entry.path().extension().string()) == upper(".nvj");
}

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

TNVManager::TNVManager(platform::RegistryStore& userStore, platform::RegistryStore& machineStore)
    : userStore_(userStore),
      rootFolder_(Contract::dataFolderFor(Contract::recordedLocation(machineStore))) {
    reloadJobs();
}

void TNVManager::setRootFolder(std::string folder) {
    if (!folder.empty() && !Contract::isSeparator(folder.back())) {
        folder += Contract::kSeparator;
    }
    rootFolder_ = std::move(folder);
}

void TNVManager::setRefreshInterval(int milliseconds) {
    refreshInterval_ = std::max(milliseconds, 1000);
}

void TNVManager::loaded() {
    fireReloadJobs();
}

void TNVManager::fireReloadJobs() {
    if (onReloadJobs) {
        onReloadJobs(*this);
    }
}

std::size_t TNVManager::reloadJobs() {
    jobs_.clear();
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder(Jobs), error)) {
        if (isJobFile(entry)) {
            names.push_back(upper(entry.path().stem().string()));
        }
    }
    // The desktop lists a folder in name order; so does this.
    std::sort(names.begin(), names.end());
    for (std::string& name : names) {
        jobs_.push_back(std::make_unique<tNVJob>(*this, std::move(name)));
    }
    fireReloadJobs();
    return jobs_.size();
}

tNVJob* TNVManager::findJob(const std::string& name) {
    const std::string wanted = upper(name);
    const auto job = std::find_if(jobs_.begin(), jobs_.end(),
                                  [&wanted](const auto& each) { return each->name() == wanted; });
    return job == jobs_.end() ? nullptr : job->get();
}

std::string TNVManager::addJob(const std::string& url, std::int8_t stateCode) {
    std::uint32_t number = readCounter();
    while (exists(Contract::jobFile(rootFolder_, Jobs, jobName(number)))) {
        ++number;
    }
    // The job's location key takes the number after it.
    writeCounter(number + 2);
    tNVJob& job = *jobs_.emplace_back(std::make_unique<tNVJob>(*this, jobName(number)));
    job.set(kPropertyState, std::int64_t{stateCode});
    job.setLocationKey(jobName(number + 1));
    job.set(kPropertyLocation, url);
    fireReloadJobs();
    return job.name();
}

std::string TNVManager::folder(int kind) const {
    return Contract::jobFolder(rootFolder_, kind);
}

std::string TNVManager::jobName(std::uint32_t number) {
    char name[16];
    std::snprintf(name, sizeof name, "A%07X", static_cast<unsigned>(number));
    return name;
}

void TNVManager::poll() {
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

void TNVManager::notify(const std::string& name, int number) {
    if (onJobSomethingChange) {
        onJobSomethingChange(*this, name);
    }
    if (number == kPropertyState && onJobChangeState) {
        onJobChangeState(*this, name);
    }
}

// Missing, or not a number: 0. Counting on from there is safe, as existing jobs are
// skipped by their files.
std::uint32_t TNVManager::readCounter() {
    if (!userStore_.openKey(std::string(Contract::kCounterKey), false)) {
        return 0;
    }
    std::int32_t stored = 0;
    try {
        stored = userStore_.readInteger(std::string(Contract::kCounterValue));
    } catch (const platform::RegistryError&) {
        // Stored as text: counts as missing.
    }
    userStore_.closeKey();
    return static_cast<std::uint32_t>(stored);
}

void TNVManager::writeCounter(std::uint32_t next) {
    if (!userStore_.openKey(std::string(Contract::kCounterKey), true)) {
        throw HandoffError("Failed to set data for '" + std::string(Contract::kCounterValue) + "'");
    }
    try {
        userStore_.writeInteger(std::string(Contract::kCounterValue),
                                static_cast<std::int32_t>(next));
    } catch (const platform::RegistryError& error) {
        userStore_.closeKey();
        throw HandoffError(error.what());
    }
    userStore_.closeKey();
}

} // namespace harvex2::core
