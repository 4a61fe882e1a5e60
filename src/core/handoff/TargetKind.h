#pragma once

#include "core/shell/SettingsRecord.h"

#include <memory>
#include <span>
#include <string_view>

namespace harvex2::platform {
class Automation;
class DdeClient;
class JsonRpcConnector;
} // namespace harvex2::platform

namespace harvex2::core {

class CommandDownloads;
class JobFileManager;
class TargetPass;

// What a pass may be built from: the connections of the platform and the job-file manager,
// which outlives every pass because the window polls the jobs it wrote.
struct TargetServices {
    JobFileManager& jobFiles;
    platform::DdeClient& dde;
    platform::Automation& automation;
    platform::JsonRpcConnector& jsonRpc;
    // The command target's programs, which run on after the pass that queued them.
    CommandDownloads& commands;
};

// Whether the target tells, link by link, that it took a link: only then can the tidy-up
// remove just the links that were added.
enum class LinkAnswers {
    Always,
    // As the Net Vampire channel decides: DDE answers per link, job files do not.
    ByChannel,
};

// One way of reaching a download manager: a row of the target table.
struct TargetKind {
    TargetProgram mode;
    // As the user knows it: the Program radio, the target panel, the end-of-pass text.
    std::string_view name;
    // One of the managers the program was first written for. Its texts name them as they
    // always did; other targets' texts name the target.
    bool classic;
    LinkAnswers answers;
    // The settings values the target reads, as they are stored.
    std::span<const std::string_view> settings;
    // A fresh pass for one Add; the settings are those of that Add.
    std::unique_ptr<TargetPass> (*makePass)(TargetServices& services,
                                            const SettingsRecord& settings);
};

} // namespace harvex2::core
