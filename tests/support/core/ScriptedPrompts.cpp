#include "support/core/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace harvex2::test {

using platform::MessageButton;

ScriptedPrompts::~ScriptedPrompts() {
    for (const Step& step : script_) {
        ADD_FAILURE() << "expected box never shown: " << step.request.text << step.failure.text;
    }
}

void ScriptedPrompts::expectMessage(platform::MessageIcon icon, std::string caption,
                                    std::string text, std::vector<MessageButton> buttons,
                                    MessageButton answer) {
    Step step{Kind::Message,
              {icon, std::move(caption), std::move(text), std::move(buttons)},
              answer,
              std::nullopt,
              {}};
    script_.push_back(std::move(step));
}

void ScriptedPrompts::expectDialog(std::optional<std::string> answer) {
    script_.push_back(Step{Kind::Dialog, {}, MessageButton::Ok, std::move(answer), {}});
}

void ScriptedPrompts::expectOpenOfType(std::string path, std::size_t filterIndex) {
    Step step{Kind::Dialog, {}, MessageButton::Ok, std::move(path), {}};
    step.filterIndex = filterIndex;
    script_.push_back(std::move(step));
}

void ScriptedPrompts::expectOpenFiles(std::vector<std::string> answer) {
    script_.push_back(Step{Kind::Files, {}, MessageButton::Ok, std::nullopt, std::move(answer)});
}

std::optional<ScriptedPrompts::Step> ScriptedPrompts::takeNext(Kind kind, const std::string& what) {
    if (script_.empty() || script_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << what;
        return std::nullopt;
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
}

MessageButton ScriptedPrompts::message(const platform::MessageRequest& request) {
    if (onMessage) {
        onMessage();
    }
    const auto step = takeNext(Kind::Message, "box: " + request.caption + ": " + request.text);
    if (!step) {
        return request.buttons.empty() ? MessageButton::Ok : request.buttons.back();
    }
    EXPECT_EQ(request.icon, step->request.icon) << request.text;
    EXPECT_EQ(request.caption, step->request.caption) << request.text;
    EXPECT_EQ(request.text, step->request.text);
    EXPECT_EQ(request.buttons, step->request.buttons) << request.text;
    return step->answer;
}

void ScriptedPrompts::expectFailure(platform::FailureKind kind, std::string text,
                                    std::string path) {
    Step step{Kind::Failure, {}, MessageButton::Ok, std::nullopt, {}, {}};
    step.failure = {kind, std::move(text), std::move(path)};
    script_.push_back(std::move(step));
}

void ScriptedPrompts::later(std::function<void()> task) {
    if (thread_) {
        thread_->post(std::move(task));
    } else {
        task();
    }
}

template <class Answer>
void ScriptedPrompts::answer(const std::function<void(Answer)>& answered, Answer given) {
    if (answered) {
        later([answered, given = std::move(given)] { answered(given); });
    }
}

void ScriptedPrompts::report(const platform::Failure& failure) {
    if (failureStyle_) {
        message(failureStyle_(failure));
        return;
    }
    if (onMessage) {
        onMessage();
    }
    const auto step = takeNext(Kind::Failure, "failure: " + failure.text);
    if (step) {
        EXPECT_EQ(failure.kind, step->failure.kind) << failure.text;
        EXPECT_EQ(failure.text, step->failure.text);
        EXPECT_EQ(failure.path, step->failure.path) << failure.text;
    }
}

void ScriptedPrompts::reportThen(const platform::Failure& failure, std::function<void()> then) {
    report(failure);
    if (then) {
        later(std::move(then));
    }
}

void ScriptedPrompts::ask(const platform::MessageRequest& request, Answered answered) {
    answer(answered, message(request));
}

void ScriptedPrompts::askForFolder(const platform::FileDialogRequest& request,
                                   FolderChosen chosen) {
    answer(chosen, browseFolder(request));
}

std::optional<std::string> ScriptedPrompts::dialog(const platform::FileDialogRequest& request,
                                                   const char* what) {
    dialogs_.push_back(request);
    const auto step = takeNext(Kind::Dialog, std::string(what) + ": " + request.title);
    return step ? step->path : std::nullopt;
}

std::optional<std::string> ScriptedPrompts::openFile(const platform::FileDialogRequest& request) {
    return dialog(request, "open dialog");
}

std::optional<platform::ChosenFile>
ScriptedPrompts::openFileOfType(const platform::FileDialogRequest& request) {
    dialogs_.push_back(request);
    const auto step = takeNext(Kind::Dialog, "open dialog: " + request.title);
    if (!step || !step->path) {
        return std::nullopt;
    }
    return platform::ChosenFile{*step->path, step->filterIndex};
}

std::vector<std::string> ScriptedPrompts::openFiles(const platform::FileDialogRequest& request) {
    dialogs_.push_back(request);
    const auto step = takeNext(Kind::Files, "open-files dialog: " + request.title);
    return step ? step->paths : std::vector<std::string>{};
}

std::optional<std::string> ScriptedPrompts::saveFile(const platform::FileDialogRequest& request) {
    return dialog(request, "save dialog");
}

std::optional<std::string>
ScriptedPrompts::browseFolder(const platform::FileDialogRequest& request) {
    return dialog(request, "folder dialog");
}

} // namespace harvex2::test
