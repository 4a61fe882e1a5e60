#pragma once

#include "platform/Prompts.h"

#include <QFileDialog>

namespace harvex2::ui {

// Message boxes and the standard file and folder dialogs, each modal over the window
// that is active when it is asked for.
class QtPrompts : public platform::Prompts {
public:
    platform::MessageButton message(const platform::MessageRequest& request) override;
    std::optional<std::string> openFile(const platform::FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const platform::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const platform::FileDialogRequest& request) override;
    std::optional<std::string> browseFolder(const platform::FileDialogRequest& request) override;

private:
    // The chosen paths, or nothing when the dialog was cancelled.
    static std::vector<std::string> runFileDialog(const platform::FileDialogRequest& request,
                                                  QFileDialog::FileMode fileMode,
                                                  QFileDialog::AcceptMode acceptMode);
};

} // namespace harvex2::ui
