#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QGroupBox>

class QRadioButton;

namespace harvex2::ui {

// The "Program" group: one radio per target program. A target joins by a line in the table
// of ProgramGroup.cpp.
class ProgramGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgramGroup(QWidget* parent = nullptr);

    // Selects the radio of a target program; false when no radio stands for the value.
    bool select(std::int32_t mode);
    // The target program of the selected radio, if one is selected.
    std::optional<std::int32_t> mode() const;

signals:
    // A radio became selected, by a click or by select().
    void chosen(std::int32_t mode);

private:
    struct Choice {
        QRadioButton* radio;
        std::int32_t mode;
    };
    std::vector<Choice> choices_;
};

} // namespace harvex2::ui
