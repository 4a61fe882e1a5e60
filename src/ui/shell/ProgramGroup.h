#pragma once

#include "core/shell/SettingsRecord.h"

#include <optional>
#include <vector>

#include <QGroupBox>

class QRadioButton;

namespace harvex2::ui {

// The "Program" group: one radio per row of the target table, in its order.
class ProgramGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgramGroup(QWidget* parent = nullptr);

    // Selects the radio of a target program; false when no radio stands for the value.
    bool select(core::TargetProgram mode);
    // The target program of the selected radio, if one is selected.
    std::optional<core::TargetProgram> mode() const;

signals:
    // A radio became selected, by a click or by select().
    void chosen(core::TargetProgram mode);

private:
    struct Choice {
        QRadioButton* radio;
        core::TargetProgram mode;
    };
    void addRadio(core::TargetProgram mode, int place);

    std::vector<Choice> choices_;
};

} // namespace harvex2::ui
