#pragma once

#include "platform/Prompts.h"

namespace harvex2::bench {

// No box is expected while a bench runs: one that comes anyway is reported on stderr and
// answered with OK, and every dialog is cancelled.
class NoPrompts : public platform::Prompts {
public:
    void ask(const platform::MessageRequest& request, Answered answered) override;
    void askForFolder(const platform::FileDialogRequest& request, FolderChosen chosen) override;
    void report(const platform::Failure& failure) override;
    void reportThen(const platform::Failure& failure, std::function<void()> then) override;
    platform::MessageButton message(const platform::MessageRequest& request) override;
    std::optional<std::string> openFile(const platform::FileDialogRequest&) override { return {}; }
    std::optional<platform::ChosenFile>
    openFileOfType(const platform::FileDialogRequest&) override {
        return {};
    }
    std::vector<std::string> openFiles(const platform::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const platform::FileDialogRequest&) override { return {}; }
    std::optional<std::string> browseFolder(const platform::FileDialogRequest&) override {
        return {};
    }
};

} // namespace harvex2::bench
