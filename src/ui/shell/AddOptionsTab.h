#pragma once

#include "core/shell/SettingsRecord.h"
#include "ui/shell/OptionsNames.h"

#include <array>
#include <vector>

#include <QWidget>

class QRadioButton;
class QStackedWidget;

namespace harvex2::ui {

class FollowHoursBox;
class NamesGroup;
class ProgramGroup;
class TargetOptionsGroup;
class SkipSentBox;
class RoutesBox;

// The "Add Options" page: the target program, the tidy-up after adding and the settings of
// the target chosen, whose group is shown only while its program is selected.
class AddOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit AddOptionsTab(QWidget* parent = nullptr);

    // Shows the group of the target the settings name and selects its radio; a value no
    // radio stands for leaves the radios as they are, with the first target's group shown.
    void fillProgram(core::TargetProgram mode);
    // TidyUp, then the target groups: choosing job files there may undo a tidy choice.
    void fillHandOff(const core::SettingsRecord& settings);
    void confirmProgram(core::SettingsRecord& settings) const;
    void confirmHandOff(core::SettingsRecord& settings) const;

private:
    struct TargetGroup {
        TargetOptionsGroup* group;
        std::vector<core::TargetProgram> modes;
    };

    QWidget* buildTidyGroup();
    // One group per maker of the registry, standing below the tidy group in table order.
    void addTargetGroups();
    void showTargetGroups(core::TargetProgram mode);
    void useChannel(bool answersPerLink);
    bool chosenAnswersAlways() const;

    ProgramGroup* program_;
    SkipSentBox* skipSent_;
    NamesGroup* names_;
    RoutesBox* routes_;
    FollowHoursBox* followHours_;
    // Indexed by TidyUp.
    std::array<QRadioButton*, OptionsNames::kTidyChoices.size()> tidy_{};
    std::vector<TargetGroup> targetGroups_;
    QStackedWidget* targetStack_ = nullptr;
};

} // namespace harvex2::ui
