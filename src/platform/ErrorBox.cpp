#include "platform/ErrorBox.h"

namespace harvex2::platform {

MessageRequest errorBox(const std::string& text) {
    std::string shown = text;
    if (shown.empty() || shown.back() != '.') {
        shown += '.';
    }
    return {MessageIcon::Error, "Harvex2", shown, {MessageButton::Ok}};
}

void showErrorBox(Prompts& prompts, const std::string& text) {
    prompts.message(errorBox(text));
}

std::string namedFailure(const std::string& path, const std::string& reason) {
    return path.empty() ? reason : path + ": " + reason;
}

void showFileErrorBox(Prompts& prompts, const std::string& path, const std::string& reason) {
    showErrorBox(prompts, namedFailure(path, reason));
}

} // namespace harvex2::platform
