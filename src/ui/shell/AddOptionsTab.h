#pragma once

#include "core/shell/SettingsRecord.h"
#include "ui/shell/OptionsNames.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include <QWidget>

class QGroupBox;
class QRadioButton;

namespace harvex2::ui {

class Aria2Group;
class NamesGroup;
class NetVampireGroup;
class ProgramGroup;

// The "Add Options" page: the target program, the tidy-up after adding and the settings of
// the target chosen, whose group is shown only while its program is selected.
class AddOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit AddOptionsTab(QWidget* parent = nullptr);

    // Shows the group of the target the settings name and selects its radio; a value no
    // radio stands for leaves the radios as they are, with the Net Vampire group shown.
    void fillProgram(std::int32_t mode);
    // TidyUp, then the Net Vampire group: choosing job files there may undo a tidy choice.
    void fillHandOff(const core::SettingsRecord& settings);
    void confirmProgram(core::SettingsRecord& settings) const;
    void confirmHandOff(core::SettingsRecord& settings) const;

private:
    struct TargetGroup {
        QGroupBox* group;
        std::vector<std::int32_t> modes;
    };

    QWidget* buildTidyGroup();
    void addTargetGroup(QGroupBox* group, std::initializer_list<core::TargetProgram> targets);
    void showTargetGroups(std::int32_t mode);
    void useChannel(bool dde);

    ProgramGroup* program_;
    NetVampireGroup* netVampire_;
    Aria2Group* aria2_;
    NamesGroup* names_;
    // Indexed by TidyUp.
    std::array<QRadioButton*, OptionsNames::kTidyChoices.size()> tidy_{};
    std::vector<TargetGroup> targetGroups_;
};

} // namespace harvex2::ui
