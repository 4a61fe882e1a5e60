#pragma once

#include "platform/Prompts.h"

#include <string>

namespace harvex2::platform {

// The application's general error box for failures a command does not handle itself:
// caption "Harvex2", error icon, the text ending in a full stop.
void showErrorBox(Prompts& prompts, const std::string& text);

} // namespace harvex2::platform
