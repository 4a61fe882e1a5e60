#pragma once

#include "platform/Prompts.h"

#include <QFileDialog>
#include <QPointer>

namespace harvex2::ui {

// Message boxes and the standard file and folder dialogs, each modal and centred over the
// window it belongs to: the modal window the user is working in, else the active window,
// else the main window (when the program is in the background, or between two boxes, no
// window of it is active).
class QtPrompts : public platform::Prompts {
public:
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    platform::MessageButton message(const platform::MessageRequest& request) override;
    std::optional<std::string> openFile(const platform::FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const platform::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const platform::FileDialogRequest& request) override;
    std::optional<std::string> browseFolder(const platform::FileDialogRequest& request) override;

private:
    QWidget* owner() const;
    // The chosen paths, or nothing when the dialog was cancelled.
    std::vector<std::string> runFileDialog(const platform::FileDialogRequest& request,
                                           QFileDialog::FileMode fileMode,
                                           QFileDialog::AcceptMode acceptMode);

    QPointer<QWidget> mainWindow_;
};

} // namespace harvex2::ui
