#include "platform/ErrorBox.h"

namespace harvex2::platform {

void showErrorBox(Prompts& prompts, const std::string& text) {
    std::string shown = text;
    if (shown.empty() || shown.back() != '.') {
        shown += '.';
    }
    prompts.message({MessageIcon::Error, "Harvex2", shown, {MessageButton::Ok}});
}

} // namespace harvex2::platform
