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

    void RadioButton3Click();
    void RadioButton4Click();

private:
    QGroupBox* buildDeselectGroup();
    QGroupBox* buildSelectGroup();
    core::SelectRule rule() const;

    AppServices& services_;
    QRadioButton* everything_ = nullptr;  // RadioButton1
    QRadioButton* nothing_ = nullptr;     // RadioButton2
    QRadioButton* byExtension_ = nullptr; // RadioButton3
    QComboBox* extension_ = nullptr;      // ComboBox1
    QRadioButton* byText_ = nullptr;      // RadioButton4
    QLineEdit* text_ = nullptr;           // Edit1
    QPushButton* ok_ = nullptr;           // Button1
    QPushButton* cancel_ = nullptr;       // Button2
};

// The start-up factory of the Select Special dialog.
std::unique_ptr<QWidget> makeEntrySelectionDialog(AppServices& services);

} // namespace harvex2::ui
