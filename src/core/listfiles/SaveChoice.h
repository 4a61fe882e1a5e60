#pragma once

#include "core/handoff/Referrer.h"

#include <string>

namespace harvex2::core {

// The last four are lists for download managers, with each link's name and referrer.
enum class SaveFormat {
    LinkList,
    HtmlPage,
    PlainText,
    Aria2Input,
    WgetList,
    CurlConfig,
    JsonLines
};
// Which entries an HTML page or a plain-text list takes; a link list file takes them all.
enum class SaveScope { All, Selected, Unselected };

// What the Save Links dialog asks for.
struct SaveChoice {
    std::string path; // as typed: no extension is added
    SaveFormat format = SaveFormat::LinkList;
    SaveScope scope = SaveScope::All;
    // Lists for download managers: how each file is named, and its referrer.
    std::string nameMask = {};
    Referrer referrer{Referrer::Kind::None, {}};
};

// The texts of an HTML page that depend on the user's locale and the time of saving.
struct PageFooter {
    std::string version;  // "1.42" with the user's decimal separator
    std::string dateTime; // short date and long time, or the date alone at midnight
};

} // namespace harvex2::core
