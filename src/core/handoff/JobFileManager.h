#pragma once

#include "core/handoff/NetVampireJob.h"
#include "core/handoff/PollTimer.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace harvex2::platform {
class RegistryStore;
}

namespace harvex2::core {

// Net Vampire's jobs as files in its data folder: lists them, adds new ones under the
// next free number of Net Vampire's job counter, and watches their properties for changes
// when someone drives `poll()` every `refreshInterval()` milliseconds.
class JobFileManager {
public:
    enum Kind { Jobs = 0, Partial = 1, Sites = 2, State = 3 };

    using Notify = std::function<void(JobFileManager& sender)>;
    using JobChangeProp = std::function<void(JobFileManager& sender, const std::string& jobIndex)>;

    // Takes its root folder from Net Vampire's recorded location and lists its jobs.
    JobFileManager(platform::RegistryStore& userStore, platform::RegistryStore& machineStore);

    const std::string& rootFolder() const { return rootFolder_; }
    // Appends the separator when missing; the job list is not reloaded.
    void setRootFolder(std::string folder);
    int refreshInterval() const { return refreshInterval_; }
    // Values below 1000 become 1000.
    void setRefreshInterval(int milliseconds);
    bool autoRefresh() const { return autoRefresh_; }
    void setAutoRefresh(bool on);
    // The clock that calls poll(); it follows `autoRefresh()` and `refreshInterval()`.
    void setPollTimer(PollTimer* timer);
    // The system's decimal separator for floating-point values; "." unless told.
    const std::string& decimalSeparator() const { return decimalSeparator_; }
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

    Notify onReloadJobs;
    JobChangeProp onJobChangeState;
    JobChangeProp onJobSomethingChange;

    // The owner window has loaded the component.
    void loaded();
    std::size_t reloadJobs();
    NetVampireJob* findJob(const std::string& name);
    std::size_t jobCount() const { return jobs_.size(); }
    NetVampireJob& job(std::size_t index) { return *jobs_[index]; }

    // Makes the job's state file, job file and location; returns its name. Throws
    // HandoffError when a file or the job counter cannot be written.
    std::string addJob(const std::string& url, std::int8_t stateCode);
    // Root folder, the kind's sub-folder and a separator.
    std::string folder(int kind) const;
    // "A" followed by at least seven upper-case hexadecimal digits.
    static std::string jobName(std::uint32_t number);

    // One round of the change poll; does nothing while off or while nobody listens.
    void poll();

private:
    void fireReloadJobs();
    void reschedule();
    std::unique_ptr<NetVampireJob> claimJob(std::int8_t stateCode);
    // Makes the files of the first job from `number` on whose name is free; `number` ends
    // as that job's.
    std::unique_ptr<NetVampireJob> createFirstFree(std::uint32_t& number, std::int8_t stateCode);
    void notify(const std::string& name, int number);

    platform::RegistryStore& userStore_;
    std::string rootFolder_;
    int refreshInterval_ = 2000;
    bool autoRefresh_ = false;
    PollTimer* pollTimer_ = nullptr;
    std::string decimalSeparator_ = ".";
    std::vector<std::unique_ptr<NetVampireJob>> jobs_;
};

} // namespace harvex2::core
