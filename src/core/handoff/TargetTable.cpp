#include "core/handoff/TargetTable.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/handoff/Aria2Pass.h"
#include "core/handoff/CommandPass.h"
#include "core/handoff/DdeChannel.h"
#include "core/handoff/JobFileChannel.h"
#include "core/handoff/NetVampirePass.h"
#include "core/handoff/ReGetPass.h"
#include "platform/AsciiText.h"

#include <algorithm>

namespace harvex2::core {

namespace {

constexpr std::string_view kNetVampireSettings[] = {"NVDDE", "NVJobDefault", "RealiFast"};
constexpr std::string_view kAria2Settings[] = {"Aria2URL", "Aria2Secret", "Aria2Endpoints",
                                               "Aria2Endpoint"};
constexpr std::string_view kCommandSettings[] = {"CommandTemplate", "CommandJobs",
                                                 "CommandTimeout"};

std::unique_ptr<TargetPass> netVampirePass(TargetServices& services,
                                           const SettingsRecord& settings) {
    if (settings.nvdde) {
        return std::make_unique<NetVampirePass>(std::make_unique<DdeChannel>(services.dde));
    }
    return std::make_unique<NetVampirePass>(std::make_unique<JobFileChannel>(services.jobFiles));
}

std::unique_ptr<TargetPass> reGetPass(TargetServices& services, const SettingsRecord&) {
    return std::make_unique<ReGetPass>(services.automation);
}

std::unique_ptr<TargetPass> aria2Pass(TargetServices& services, const SettingsRecord&) {
    return std::make_unique<Aria2Pass>(services.jsonRpc);
}

std::unique_ptr<TargetPass> commandPass(TargetServices& services, const SettingsRecord&) {
    return std::make_unique<CommandPass>(services.commands);
}

constexpr TargetKind kKinds[] = {
    {TargetProgram::NetVampire, "NetVampire", true, LinkAnswers::ByChannel, kNetVampireSettings,
     netVampirePass},
    {TargetProgram::NetVampire3, "NetVampire 3", true, LinkAnswers::ByChannel, kNetVampireSettings,
     netVampirePass},
    {TargetProgram::ReGet, "ReGet", true, LinkAnswers::ByChannel, {}, reGetPass},
    {TargetProgram::Aria2, "aria2", false, LinkAnswers::Always, kAria2Settings, aria2Pass},
    {TargetProgram::Command, "Command", false, LinkAnswers::Always, kCommandSettings, commandPass},
};

} // namespace

std::span<const TargetKind> TargetTable::kinds() {
    return kKinds;
}

const TargetKind* TargetTable::find(TargetProgram mode) {
    const auto* kind = std::ranges::find(kKinds, mode, &TargetKind::mode);
    return kind == std::end(kKinds) ? nullptr : kind;
}

const TargetKind& TargetTable::forHandOff(TargetProgram mode) {
    const TargetKind* kind = find(mode);
    return kind ? *kind : *find(TargetProgram::ReGet);
}

std::optional<NamedTarget> TargetTable::findByName(std::string_view name,
                                                   const SettingsRecord& settings) {
    const TargetKind* aria2 = find(TargetProgram::Aria2);
    if (auto endpoint = Aria2Endpoints::find(settings, name)) {
        return NamedTarget{aria2, std::move(endpoint->name)};
    }
    for (const TargetKind& kind : kKinds) {
        if (platform::AsciiText::equalsIgnoringCase(kind.name, name)) {
            const bool isAria2 = kind.mode == TargetProgram::Aria2;
            return NamedTarget{&kind, isAria2 ? Aria2Endpoints::chosen(settings).name : ""};
        }
    }
    return std::nullopt;
}

SettingsRecord NamedTarget::chosenIn(SettingsRecord settings) const {
    settings.mode = kind->mode;
    if (!endpoint.empty()) {
        settings.aria2Endpoint = endpoint;
    }
    return settings;
}

} // namespace harvex2::core
