#pragma once

#include "core/extract/MultipleParseView.h"

class QLineEdit;

namespace harvex2::ui {

class BaseUrlPrompt;
class MultipleProgressWindow;

// A multiple-file run as the user sees it: the progress window follows it, the prompt
// asks for each file's base, and the setup dialog's base field holds the base in use.
class MultipleRunView final : public core::MultipleParseView {
public:
    MultipleRunView(MultipleProgressWindow& progress, BaseUrlPrompt& prompt, QLineEdit& base);

    void runStarted() override;
    void fileStarted(const std::string& path) override;
    void showStep(core::MultipleStep step) override;
    void fileFinished(std::size_t done) override;
    void runFinished() override;
    void runStopped() override;
    void askBaseUrl(const std::string& path, std::function<void()> answered) override;
    std::string baseUrl() override;

private:
    MultipleProgressWindow& progress_;
    BaseUrlPrompt& prompt_;
    QLineEdit& base_;
};

} // namespace harvex2::ui
