#pragma once

#include "platform/LocalFolders.h"
#include "platform/Prompts.h"

#include <string>

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace harvex2::ui {

// "Create New Directory": asks for the name of a folder to make inside the directory the
// browser shows. Made for one use; OK makes the folder and closes with OK even when the
// folder could not be made, so the browser reads its tree again either way.
class NewDirectoryDialog : public QDialog {
    Q_OBJECT
public:
    NewDirectoryDialog(platform::LocalFolders& folders, platform::Prompts& prompts,
                       std::string createIn, QWidget* parent = nullptr);

    void OKBtnClick();

private:
    void buildControls();

    platform::LocalFolders& folders_;
    platform::Prompts& prompts_;
    std::string createIn_; // the path label's text, kept whole however it is shown

    QLabel* path_ = nullptr;        // Label2
    QLineEdit* name_ = nullptr;     // Edit1
    QPushButton* ok_ = nullptr;     // OKBtn
    QPushButton* cancel_ = nullptr; // CancelBtn
};

} // namespace harvex2::ui
