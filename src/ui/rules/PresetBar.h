#pragma once

#include "core/rules/RulePresets.h"

#include <functional>
#include <string>

#include <QWidget>

class QComboBox;
class QPushButton;

namespace harvex2::platform {
class Prompts;
}

namespace harvex2::ui {

// The named presets of the rules dialog: the name box lists them and takes a new name;
// picking one loads it, Save keeps the current rules under the typed name.
class PresetBar : public QWidget {
    Q_OBJECT
public:
    PresetBar(core::RulePresets presets, platform::Prompts& prompts,
              std::function<std::string()> currentRules, QWidget* parent = nullptr);

    void reload();
    // Also what the buttons run.
    void save();
    void remove();
    void importFile();
    void exportFile();

signals:
    void loaded(const QString& rules);

private:
    std::string typedName() const;
    bool checkName(const std::string& name);
    // An import over an existing preset asks first.
    bool mayReplace(const std::string& name);
    void load(int index);
    void failed(const std::exception& error);

    core::RulePresets presets_;
    platform::Prompts& prompts_;
    std::function<std::string()> currentRules_;
    QComboBox* names_ = nullptr;
};

} // namespace harvex2::ui
