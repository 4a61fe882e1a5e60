#include "NoPrompts.h"

#include <cstdio>

namespace harvex2::bench {

platform::MessageButton NoPrompts::message(const platform::MessageRequest& request) {
    std::fprintf(stderr, "unexpected box: %s\n", request.text.c_str());
    return platform::MessageButton::Ok;
}

void NoPrompts::report(const platform::Failure& failure) {
    std::fprintf(stderr, "unexpected failure: %s\n", failure.text.c_str());
}

void NoPrompts::reportThen(const platform::Failure& failure, std::function<void()> then) {
    report(failure);
    if (then) {
        then();
    }
}

void NoPrompts::ask(const platform::MessageRequest& request, Answered answered) {
    const platform::MessageButton answer = message(request);
    if (answered) {
        answered(answer);
    }
}

void NoPrompts::askForFolder(const platform::FileDialogRequest&, FolderChosen chosen) {
    if (chosen) {
        chosen(std::nullopt);
    }
}

} // namespace harvex2::bench
