#pragma once

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace harvex2::ui {

class SpinButtons;

// The controls of the Add Sequential Files dialog, placed as the dialog is designed.
struct SequentialControls {
    QComboBox* url;             // Edit1
    QComboBox* marker;          // ComboBox1
    QLabel* example;            // Label7
    QLabel* last;               // Label11: the last URL of a bracket template
    QComboBox* downloadDir;     // Edit5
    QPushButton* browse;        // Button3
    QLineEdit* start;           // Edit2
    QLineEdit* goTo;            // Edit3
    QLineEdit* step;            // Edit6
    SpinButtons* startSpin;     // UpDown1
    SpinButtons* goToSpin;      // UpDown2
    SpinButtons* stepSpin;      // UpDown4
    QCheckBox* zeros;           // CheckBox1
    QLineEdit* positions;       // Edit4
    SpinButtons* positionsSpin; // UpDown3
    QRadioButton* toAdding;     // RadioButton1
    QRadioButton* toList;       // RadioButton2
    QTableView* preview;        // ListBox1
    QPushButton* test;          // Button4
    QPushButton* save;          // Button5
    QPushButton* load;          // Button6
    QLabel* pleaseWait;         // Label5
    QProgressBar* progress;     // ProgressBar1
    QPushButton* close;         // Button2
    QPushButton* add;           // Button1
    QCheckBox* glob;            // CheckBox2: the URL is a bracket template
    QLabel* count;              // Label10: how many URLs a bracket template makes

    // Makes every control inside `dialog`, in the dialog's tab order.
    static SequentialControls build(QDialog& dialog);
};

} // namespace harvex2::ui
