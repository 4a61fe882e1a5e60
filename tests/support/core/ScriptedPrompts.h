#pragma once

#include "platform/Prompts.h"
#include "platform/WindowThread.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::test {

// Answers the program's boxes and dialogs from a script. A box the script did not expect,
// or a scripted box that never came, fails the running test.
class ScriptedPrompts : public platform::Prompts {
public:
    ~ScriptedPrompts() override;

    // The next box must match exactly; it is answered with `answer`.
    void expectMessage(platform::MessageIcon icon, std::string caption, std::string text,
                       std::vector<platform::MessageButton> buttons,
                       platform::MessageButton answer);
    // The next file or folder dialog is answered with `answer` (nullopt = Cancel).
    void expectDialog(std::optional<std::string> answer);
    // The next open dialog that tells its filter is answered with `path`, accepted with the
    // filter at `filterIndex`.
    void expectOpenOfType(std::string path, std::size_t filterIndex);
    void expectOpenFiles(std::vector<std::string> answer);
    // The next box must report this failure.
    void expectFailure(platform::FailureKind kind, std::string text, std::string path = {});
    // Failures come as the boxes `style` makes of them, scripted with expectMessage, as a
    // window test sees them.
    void showFailuresAs(std::function<platform::MessageRequest(const platform::Failure&)> style) {
        failureStyle_ = std::move(style);
    }
    // What is asked without waiting is answered through `thread`, as the event loop answers
    // once the box has closed; without one, before ask() returns.
    void answerThrough(platform::WindowThread& thread) { thread_ = &thread; }

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

    // The dialogs that were shown, in order, for tests that check their set-up.
    const std::vector<platform::FileDialogRequest>& dialogsShown() const { return dialogs_; }
    bool allAnswered() const { return script_.empty(); }
    // Runs as each box is asked, before it is answered.
    std::function<void()> onMessage;

private:
    enum class Kind { Message, Dialog, Files, Failure };
    struct Step {
        Kind kind;
        platform::MessageRequest request;
        platform::MessageButton answer = platform::MessageButton::Ok;
        std::optional<std::string> path;
        std::vector<std::string> paths;
        std::size_t filterIndex = 0;
        platform::Failure failure = {};
    };
    std::optional<Step> takeNext(Kind kind, const std::string& what);
    std::optional<std::string> dialog(const platform::FileDialogRequest& request, const char* what);

    template <class Answer> void answer(const std::function<void(Answer)>& answered, Answer given);
    void later(std::function<void()> task);

    std::deque<Step> script_;
    platform::WindowThread* thread_ = nullptr;
    std::function<platform::MessageRequest(const platform::Failure&)> failureStyle_;
    std::vector<platform::FileDialogRequest> dialogs_;
};

} // namespace harvex2::test
