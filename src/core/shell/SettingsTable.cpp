#include "core/shell/SettingsTable.h"

#include "core/shell/Aria2EndpointText.h"
#include "core/shell/SettingsStorage.h"

#include <string_view>
#include <type_traits>

namespace harvex2::core::settingsTable {

const std::string kSettingsKey = std::string(kHarvexRootKey) + "\\Settings";
const std::string kPositionKey = std::string(kHarvexRootKey) + "\\Position";

namespace {

constexpr Setting kChainedSettings[] = {
    {"IgnoreMailTo", Place::Settings, &SettingsRecord::ignoreMailTo},
    {"IgnoreBookmarks", Place::Settings, &SettingsRecord::ignoreBookmarks},
    {"QLinks", Place::Settings, &SettingsRecord::qLinks},
    {"Files", Place::Settings, &SettingsRecord::files},
    {"Mode", Place::Settings, &SettingsRecord::mode},
    {"Remember", Place::Settings, &SettingsRecord::remember},
    {"ACAS", Place::Settings, &SettingsRecord::acas},
    {"Left", Place::Position, &WindowRect::left},
    {"Top", Place::Position, &WindowRect::top},
    {"Height", Place::Position, &WindowRect::height},
    {"Width", Place::Position, &WindowRect::width},
    {"TidyUp", Place::AfterPosition, &SettingsRecord::tidyUp},
    {"NVDDE", Place::AfterPosition, &SettingsRecord::nvdde},
    {"NVJobDefault", Place::AfterPosition, &SettingsRecord::nvJobDefault},
    {"RealiFast", Place::AfterPosition, &SettingsRecord::realiFast},
};

constexpr std::size_t kRememberIndex = 5;
static_assert(std::string_view(kChainedSettings[kRememberIndex].name) == "Remember");

constexpr Setting kSeparateSettings[] = {
    {"Aria2URL", Place::Settings, &SettingsRecord::aria2Url},
    {"Aria2Secret", Place::Settings, &SettingsRecord::aria2Secret},
    {"Aria2Endpoints", Place::Settings, &SettingsRecord::aria2Endpoints},
    {"Aria2Endpoint", Place::Settings, &SettingsRecord::aria2Endpoint},
    {"CommandTemplate", Place::Settings, &SettingsRecord::commandTemplate},
    {"CommandJobs", Place::Settings, &SettingsRecord::commandJobs},
    {"CommandTimeout", Place::Settings, &SettingsRecord::commandTimeout},
    {"FollowHours", Place::Settings, &SettingsRecord::followHours},
    {"QuickScan", Place::Settings, &SettingsRecord::quickScan},
    {"IgnoreScriptLinks", Place::Settings, &SettingsRecord::ignoreScriptLinks},
    {"MediaSources", Place::Settings, &SettingsRecord::mediaSources},
    {"ResolvePageLinks", Place::Settings, &SettingsRecord::resolvePageLinks},
    {"SkipSent", Place::Settings, &SettingsRecord::skipSent},
    {"RoutesPreset", Place::Settings, &SettingsRecord::routesPreset},
    {"IgnoreTracking", Place::Settings, &SettingsRecord::ignoreTracking},
    {"NameMask", Place::Settings, &SettingsRecord::nameMask},
    {"Referrer", Place::Settings, &SettingsRecord::referrer},
    {"ReferrerText", Place::Settings, &SettingsRecord::referrerText},
};

// `Record` is SettingsRecord, const or not.
template <typename Record, typename T> auto& fieldOf(Record& record, T SettingsRecord::*member) {
    return record.*member;
}

template <typename Record> auto& fieldOf(Record& record, std::int32_t WindowRect::*member) {
    return record.position.*member;
}

bool holdsText(const Setting& setting) {
    return std::holds_alternative<std::string SettingsRecord::*>(setting.member) ||
           std::holds_alternative<std::vector<Aria2Endpoint> SettingsRecord::*>(setting.member);
}

} // namespace

std::span<const Setting> chainedSettings() {
    return kChainedSettings;
}

std::span<const Setting> separateSettings() {
    return kSeparateSettings;
}

const Setting& rememberSetting() {
    return kChainedSettings[kRememberIndex];
}

const std::string* keyOf(Place place, bool remember) {
    switch (place) {
    case Place::Settings:
        return &kSettingsKey;
    case Place::Position:
        return remember ? &kPositionKey : nullptr;
    case Place::AfterPosition:
        break;
    }
    return remember ? &kPositionKey : &kSettingsKey;
}

StoredValue valueOf(const SettingsRecord& record, const Setting& setting) {
    return std::visit(
        [&](auto member) -> StoredValue {
            const auto& field = fieldOf(record, member);
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>) {
                return field ? 1 : 0;
            } else if constexpr (std::is_enum_v<Field>) {
                return static_cast<std::int32_t>(field);
            } else if constexpr (std::is_same_v<Field, std::vector<Aria2Endpoint>>) {
                return Aria2EndpointText::encode(field);
            } else {
                return field;
            }
        },
        setting.member);
}

void assign(SettingsRecord& record, const Setting& setting, const StoredValue& value) {
    std::visit(
        [&](auto member) {
            auto& field = fieldOf(record, member);
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>) {
                field = std::get<std::int32_t>(value) != 0;
            } else if constexpr (std::is_enum_v<Field>) {
                field = static_cast<Field>(std::get<std::int32_t>(value));
            } else if constexpr (std::is_same_v<Field, std::vector<Aria2Endpoint>>) {
                field = Aria2EndpointText::decode(std::get<std::string>(value));
            } else {
                field = std::get<Field>(value);
            }
        },
        setting.member);
}

std::optional<StoredValue> read(platform::RegistryStore& store, const Setting& setting) {
    if (holdsText(setting)) {
        return store.tryReadString(setting.name);
    }
    return store.tryReadInteger(setting.name);
}

void write(platform::RegistryStore& store, const Setting& setting, const StoredValue& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        store.writeInteger(setting.name, *number);
    } else {
        store.writeString(setting.name, std::get<std::string>(value));
    }
}

} // namespace harvex2::core::settingsTable
