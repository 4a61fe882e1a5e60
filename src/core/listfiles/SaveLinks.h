#pragma once

#include "core/listfiles/SaveChoice.h"

namespace harvex2::platform {
class Prompts;
class StatusBar;
} // namespace harvex2::platform

namespace harvex2::core {

class LinkList;
class ListFileBoxes;

// What the Save Links command does once its dialog has been confirmed: writes the list in
// the chosen form and tells the state on the status bar. The list is not changed. A save
// that fails leaves any earlier file of that name as it was.
class SaveLinks {
public:
    SaveLinks(const LinkList& links, const ListFileBoxes& boxes, platform::StatusBar& status,
              platform::Prompts& prompts);

    void save(const SaveChoice& choice, const PageFooter& footer);

private:
    void saveListFile(const std::string& path);
    void exportLinks(const SaveChoice& choice, const PageFooter& footer);

    const LinkList& links_;
    const ListFileBoxes& boxes_;
    platform::StatusBar& status_;
    platform::Prompts& prompts_;
};

} // namespace harvex2::core
