#include "ui/extract/MultipleRunView.h"

#include "ui/extract/BaseUrlPrompt.h"
#include "ui/extract/MultipleProgressWindow.h"
#include "ui/platform/ShownBytes.h"

#include <algorithm>
#include <limits>

#include <QLineEdit>

namespace harvex2::ui {

MultipleRunView::MultipleRunView(MultipleProgressWindow& progress, BaseUrlPrompt& prompt,
                                 QLineEdit& base)
    : progress_(progress), prompt_(prompt), base_(base) {}

void MultipleRunView::runStarted() {
    progress_.showRunStarted();
}

void MultipleRunView::fileStarted(const std::string& path) {
    progress_.showFile(path);
}

void MultipleRunView::showStep(core::MultipleStep step) {
    progress_.showStep(step);
}

void MultipleRunView::fileFinished(std::size_t done) {
    constexpr auto kMost = static_cast<std::size_t>(std::numeric_limits<int>::max());
    progress_.setPosition(static_cast<int>(std::min(done, kMost)));
}

void MultipleRunView::runFinished() {
    progress_.showDone();
}

void MultipleRunView::runStopped() {
    progress_.hide();
}

void MultipleRunView::askBaseUrl(const std::string& path, std::function<void()> answered) {
    prompt_.ask(path, [this, answered = std::move(answered)](const std::string& base) {
        ShownBytes::show(base_, base);
        answered();
    });
}

std::string MultipleRunView::baseUrl() {
    return ShownBytes::read(base_);
}

} // namespace harvex2::ui
