#pragma once

#include "core/extract/ParseHtml.h"

#include <string>

namespace harvex2::test {

// A Parse HTML run taken to its end at once, for tests that need only what it leaves in the
// list and on the status bar. Returns whether the file could be opened.
bool parseAtOnce(const std::string& path, const core::SettingsRecord& settings,
                 core::LinkList& links, platform::Prompts& prompts, platform::StatusBar& statusBar);

} // namespace harvex2::test
