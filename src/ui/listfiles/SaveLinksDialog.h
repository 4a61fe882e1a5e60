#pragma once

#include "core/listfiles/SaveChoice.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace harvex2::ui {

struct AppServices;

// "Save Links" (TForm6): the file name, the form to write and, for an HTML page or a
// plain-text list, which entries. A fresh one is made for every save, so it never
// remembers an earlier choice.
class SaveLinksDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveLinksDialog(AppServices& services, QWidget* parent = nullptr);

    core::SaveChoice choice() const;

    void onBrowseClicked();
    void onListFileChosen();
    void onHtmlPageChosen();
    void onPlainTextChosen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildFileName();
    void buildFileType();
    void buildScope();
    void buildButtons();
    void enableScope(bool enabled);

    AppServices& services_;
    QLineEdit* fileName_ = nullptr;   // Edit1
    QRadioButton* harvex_ = nullptr;  // radHarvex
    QRadioButton* html_ = nullptr;    // radHTML
    QRadioButton* text_ = nullptr;    // radText
    QRadioButton* manager_ = nullptr; // a list for a download manager, in the form picked
    QComboBox* managerForm_ = nullptr;
    QRadioButton* all_ = nullptr; // RadioButton1
    QRadioButton* checked_ = nullptr;
    QRadioButton* unchecked_ = nullptr;
    QLabel* note_ = nullptr; // Label2
};

} // namespace harvex2::ui
