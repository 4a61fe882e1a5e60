#pragma once

#include "core/shell/SettingsRecord.h"

#include <cstdint>
#include <functional>

#include <QDialog>

class QLabel;
class QTabWidget;

namespace harvex2::ui {

class AddOptionsTab;
class GeneralOptionsTab;
class ParseOptionsTab;

// The Options dialog. It edits the in-memory settings record; confirmed() tells that the
// store may receive the changed values.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Told the target program each time the dialog is confirmed, so that the windows
    // showing it can follow.
    using TargetChosen = std::function<void(core::TargetProgram mode)>;

    OptionsDialog(core::SettingsRecord& settings, TargetChosen targetChosen,
                  QWidget* parent = nullptr);

    void showDeveloperMode(bool on);
    // Fills the controls from the settings record, then shows the dialog modally.
    int exec() override;
    // OK: copies the controls back into the settings record.
    void accept() override;

signals:
    void confirmed();

private:
    QSize pageGrowth() const;
    void buildButtons(QPoint shift);
    void fill();
    void confirm();

    core::SettingsRecord& settings_;
    TargetChosen targetChosen_;
    QTabWidget* pages_;
    ParseOptionsTab* parse_;
    AddOptionsTab* add_;
    GeneralOptionsTab* general_;
    QLabel* developerMode_;
};

} // namespace harvex2::ui
