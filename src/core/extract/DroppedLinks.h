#pragma once

#include "core/shell/LinkList.h"
#include "platform/StatusBar.h"

#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// Links dragged from a web browser onto the main window.
class DroppedLinks {
public:
    // An address of the web or of an FTP server, the kinds a download manager can fetch.
    static bool isWebLink(std::string_view link);
    // Appends the links unchecked, as they came, and reports how many on the status bar.
    static void append(const std::vector<std::string>& links, LinkList& list,
                       platform::StatusBar& statusBar);
};

} // namespace harvex2::core
