#pragma once

#include "platform/Prompts.h"

#include <string>

namespace harvex2::platform {

// The application's general error box for failures a command does not handle itself:
// caption "Harvex2", error icon, the text ending in a full stop.
MessageRequest errorBox(const std::string& text);
void showErrorBox(Prompts& prompts, const std::string& text);
// "<path>: <reason>", the reason alone where there is no name to show.
std::string namedFailure(const std::string& path, const std::string& reason);
// The general box for a file refused before anything changed, naming it.
void showFileErrorBox(Prompts& prompts, const std::string& path, const std::string& reason);

} // namespace harvex2::platform
