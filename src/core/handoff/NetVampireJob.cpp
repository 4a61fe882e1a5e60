#include "core/handoff/NetVampireJob.h"

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/JobFileManager.h"
#include "core/handoff/NetVampireContract.h"
#include "platform/AsciiText.h"
#include "platform/IntegerText.h"
#include "platform/ProfileFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

namespace {

using Contract = NetVampireContract;

// Properties 1 to 17 live in the job file's settings, 18 to 23 in the state file.
constexpr int kFirstStateProperty = 18;

// Text that does not hold the system's separator takes its first "," or "." for it.
double floatFrom(std::string text, const std::string& separator) {
    if (text.find(separator) == std::string::npos) {
        const std::size_t mark = text.find_first_of(",.");
        if (mark != std::string::npos) {
            text.replace(mark, 1, separator);
        }
    }
    const std::size_t decimal = text.find(separator);
    if (decimal != std::string::npos) {
        text.replace(decimal, separator.size(), ".");
    }
    const std::string_view number = platform::AsciiText::trim(text, " ");
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    return error == std::errc() && end == number.data() + number.size() ? value : 0.0;
}

std::string floatText(double value, const std::string& separator) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    const std::size_t decimal = text.find('.');
    if (decimal != std::string::npos) {
        text.replace(decimal, 1, separator);
    }
    return text;
}

struct TextOf {
    const std::string& separator;
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(double number) const { return floatText(number, separator); }
};

} // namespace

NetVampireJob::NetVampireJob(const JobFileManager& manager, std::string name)
    : manager_(manager), name_(std::move(name)), rootFolder_(manager.rootFolder()) {}

JobValue NetVampireJob::get(int number) {
    if (number < 0 || number >= kJobPropertyCount) {
        return {};
    }
    JobValue value = number == kPropertyPartialSize ? JobValue(partialSize()) : readTyped(number);
    remember(number, value);
    return value;
}

void NetVampireJob::set(int number, const JobValue& value) {
    if (number < 0 || number >= kPropertyPartialSize) {
        return;
    }
    writeText(number, std::visit(TextOf{manager_.decimalSeparator()}, value));
    remember(number, std::monostate{});
}

bool NetVampireJob::create(std::int64_t state, const std::string& locationKey) {
    if (taken(JobFileManager::Jobs) || taken(JobFileManager::State)) {
        return false;
    }
    if (!make(JobFileManager::State, Contract::kStateSection, jobProperty(kPropertyState).name,
              std::to_string(state))) {
        return false;
    }
    if (!make(JobFileManager::Jobs, Contract::kSettingsSection, Contract::kLocationKeyName,
              locationKey)) {
        // Someone who does not lock made the job file in between: the name is theirs.
        std::error_code error;
        std::filesystem::remove(filePath(JobFileManager::State), error);
        return false;
    }
    remember(kPropertyState, std::monostate{});
    return true;
}

void NetVampireJob::discard() const {
    std::error_code error;
    std::filesystem::remove(filePath(JobFileManager::Jobs), error);
    std::filesystem::remove(filePath(JobFileManager::State), error);
}

std::optional<JobValue> NetVampireJob::cached(int number) const {
    const auto slot = std::find_if(cache_.begin(), cache_.end(),
                                   [number](const auto& entry) { return entry.first == number; });
    return slot == cache_.end() ? std::nullopt : std::optional<JobValue>(slot->second);
}

std::string NetVampireJob::filePath(int kind) const {
    return Contract::jobFile(rootFolder_, kind, name_);
}

std::string NetVampireJob::locationKey() const {
    return platform::ProfileFile(filePath(JobFileManager::Jobs))
        .read(Contract::kSettingsSection, Contract::kLocationKeyName);
}

std::string NetVampireJob::readText(int number, std::string_view fallback) const {
    const std::string_view key = jobProperty(number).name;
    if (number == kPropertyLocation) {
        return platform::ProfileFile(filePath(JobFileManager::Jobs))
            .read(Contract::kLocationsSection, locationKey(), fallback);
    }
    if (number < kFirstStateProperty) {
        return platform::ProfileFile(filePath(JobFileManager::Jobs))
            .read(Contract::kSettingsSection, key, fallback);
    }
    return platform::ProfileFile(filePath(JobFileManager::State))
        .read(Contract::kStateSection, key, fallback);
}

JobValue NetVampireJob::readTyped(int number) const {
    switch (jobProperty(number).type) {
    case IniValueType::Integer:
        return std::int64_t{platform::IntegerText::tryParse(readText(number, {})).value_or(0)};
    case IniValueType::FloatingPoint:
        return floatFrom(readText(number, "0.0"), manager_.decimalSeparator());
    case IniValueType::Text:
        break;
    }
    return readText(number, {});
}

void NetVampireJob::writeText(int number, const std::string& text) {
    const std::string_view key = jobProperty(number).name;
    if (number == kPropertyLocation) {
        write(JobFileManager::Jobs, Contract::kLocationsSection, locationKey(), text);
    } else if (number < kFirstStateProperty) {
        write(JobFileManager::Jobs, Contract::kSettingsSection, key, text);
    } else {
        write(JobFileManager::State, Contract::kStateSection, key, text);
    }
}

void NetVampireJob::write(int kind, std::string_view section, std::string_view key,
                          std::string_view value) const {
    const platform::ProfileFile file(filePath(kind));
    if (!file.write(section, key, value)) {
        throw HandoffError("Unable to write to " + file.path());
    }
}

// Anything by the name counts, a dangling link as well.
bool NetVampireJob::taken(int kind) const {
    std::error_code error;
    return std::filesystem::symlink_status(filePath(kind), error).type() !=
           std::filesystem::file_type::not_found;
}

bool NetVampireJob::make(int kind, std::string_view section, std::string_view key,
                         std::string_view value) const {
    const platform::ProfileFile file(filePath(kind));
    switch (file.create(section, key, value)) {
    case platform::ProfileFile::Creation::Created:
        return true;
    case platform::ProfileFile::Creation::Exists:
        return false;
    case platform::ProfileFile::Creation::Failed:
        break;
    }
    throw HandoffError("Unable to write to " + file.path());
}

std::int64_t NetVampireJob::partialSize() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(filePath(JobFileManager::Partial), error);
    return error ? 0 : static_cast<std::int64_t>(size);
}

void NetVampireJob::remember(int number, JobValue value) {
    const auto slot = std::find_if(cache_.begin(), cache_.end(),
                                   [number](const auto& entry) { return entry.first == number; });
    if (slot == cache_.end()) {
        cache_.emplace_back(number, std::move(value));
    } else {
        slot->second = std::move(value);
    }
}

} // namespace harvex2::core
