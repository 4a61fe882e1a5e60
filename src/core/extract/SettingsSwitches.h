#pragma once

#include "core/extract/IgnoreSwitches.h"
#include "core/shell/SettingsRecord.h"

namespace harvex2::core {

// The ignore rules as the settings record holds them at the moment of asking.
class SettingsSwitches final : public IgnoreSwitches {
public:
    explicit SettingsSwitches(const SettingsRecord& settings) : settings_(settings) {}

    bool ignoreMailTo() const override { return settings_.ignoreMailTo; }
    bool ignoreBookmarks() const override { return settings_.ignoreBookmarks; }
    bool qLinks() const override { return settings_.qLinks; }
    bool ignoreScriptLinks() const override { return settings_.ignoreScriptLinks; }

private:
    const SettingsRecord& settings_;
};

} // namespace harvex2::core
