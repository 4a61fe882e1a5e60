#pragma once

#include "platform/Prompts.h"

#include <memory>
#include <utility>
#include <vector>

#include <QFileDialog>
#include <QPointer>

class QAbstractButton;
class QMessageBox;

namespace harvex2::ui {

// Message boxes and the standard file and folder dialogs, each modal and centred over the
// window it belongs to: the modal window the user is working in, else the active window,
// else the main window (when the program is in the background, or between two boxes, no
// window of it is active). What is asked without waiting is window-modal and answered
// from the event loop, after the box has closed.
class QtPrompts : public platform::Prompts {
public:
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    void ask(const platform::MessageRequest& request, Answered answered) override;
    void askForFolder(const platform::FileDialogRequest& request, FolderChosen chosen) override;
    void report(const platform::Failure& failure) override;
    void reportThen(const platform::Failure& failure, std::function<void()> then) override;
    platform::MessageButton message(const platform::MessageRequest& request) override;
    std::optional<std::string> openFile(const platform::FileDialogRequest& request) override;
    std::optional<platform::ChosenFile>
    openFileOfType(const platform::FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const platform::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const platform::FileDialogRequest& request) override;
    std::optional<std::string> browseFolder(const platform::FileDialogRequest& request) override;

private:
    using BoxButtons = std::vector<std::pair<QAbstractButton*, platform::MessageButton>>;

    QWidget* owner() const;
    std::unique_ptr<QMessageBox> makeBox(const platform::MessageRequest& request,
                                         BoxButtons& buttons) const;
    std::unique_ptr<QFileDialog> makeFileDialog(const platform::FileDialogRequest& request,
                                                QFileDialog::FileMode fileMode,
                                                QFileDialog::AcceptMode acceptMode) const;
    // The chosen paths, or nothing when the dialog was cancelled.
    std::vector<std::string> runFileDialog(const platform::FileDialogRequest& request,
                                           QFileDialog::FileMode fileMode,
                                           QFileDialog::AcceptMode acceptMode);

    QPointer<QWidget> mainWindow_;
};

} // namespace harvex2::ui
