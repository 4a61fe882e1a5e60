#include "core/listfiles/OpenLinkList.h"

#include "core/listfiles/LinkListLoader.h"
#include "platform/ErrorBox.h"
#include "platform/IoError.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"

namespace harvex2::core {

using platform::StatusPanel;

OpenLinkList::OpenLinkList(LinkList& links, ListFileBoxes& boxes, platform::StatusBar& status,
                           platform::Prompts& prompts)
    : links_(links), boxes_(boxes), status_(status), prompts_(prompts) {}

void OpenLinkList::run(const std::optional<std::string>& presetPath) {
    if (presetPath) {
        path_ = *presetPath;
    } else if (!askForPath()) {
        return;
    }
    load();
}

bool OpenLinkList::askForPath() {
    const auto chosen = prompts_.openFile({"Load Harvex links list",
                                           {{"Harvex Files", "*.nva"}, {"All files", "*.*"}},
                                           0,
                                           path_,
                                           "nva"});
    if (!chosen) {
        return false;
    }
    path_ = *chosen;
    return true;
}

void OpenLinkList::load() {
    std::optional<LinkListFileReader> reader;
    LinkListFileReader::Header header;
    try {
        reader.emplace(path_);
        header = reader->header();
    } catch (const platform::IoError& error) {
        // Nothing has changed yet, so the box must say which file was not taken.
        platform::showFileErrorBox(prompts_, path_, error.what());
        return;
    }
    status_.setText(StatusPanel::State, "Loading...");
    try {
        LinkListLoader(links_, boxes_).load(*reader, header, [this](std::size_t appended) {
            status_.setText(StatusPanel::Detail, std::to_string(appended));
        });
    } catch (const platform::IoError& error) {
        // The state panel keeps "Loading...": the load did not end.
        platform::showErrorBox(prompts_, error.what());
        return;
    }
    status_.setText(StatusPanel::State, "Loaded");
    status_.setText(StatusPanel::Detail, path_);
}

} // namespace harvex2::core
