#pragma once

#include "core/shell/SelectRule.h"

#include <memory>

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace harvex2::ui {

struct AppServices;

// "Select Special": checks link list entries by extension or by a text they contain. The
// dialog lives as long as the program, so its controls keep the last choices.
class EntrySelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit EntrySelectionDialog(AppServices& services, QWidget* parent = nullptr);

    // Normalises the extension box, closes, then applies the rule to the link list.
    void accept() override;

private:
    // Only the box of the chosen match takes input.
    void matchByExtension();
    void matchByText();

    QGroupBox* buildDeselectGroup();
    QGroupBox* buildSelectGroup();
    core::SelectRule rule() const;

    AppServices& services_;
    QRadioButton* everything_ = nullptr;
    QRadioButton* nothing_ = nullptr;
    QRadioButton* byExtension_ = nullptr;
    QComboBox* extension_ = nullptr;
    QRadioButton* byText_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The start-up factory of the Select Special dialog.
std::unique_ptr<QWidget> makeEntrySelectionDialog(AppServices& services);

} // namespace harvex2::ui
