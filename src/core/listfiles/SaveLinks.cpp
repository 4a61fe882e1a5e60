#include "core/listfiles/SaveLinks.h"

#include "core/listfiles/LinkExport.h"
#include "core/listfiles/LinkListFileWriter.h"
#include "core/listfiles/ListFileBoxes.h"
#include "core/listfiles/LongTexts.h"
#include "platform/ErrorBox.h"
#include "platform/IoError.h"
#include "platform/Prompts.h"
#include "platform/StatusBar.h"
#include "platform/posix/ReplacingFile.h"

#include <memory>

namespace harvex2::core {

using platform::StatusPanel;

SaveLinks::SaveLinks(const LinkList& links, const ListFileBoxes& boxes, platform::StatusBar& status,
                     platform::Prompts& prompts)
    : links_(links), boxes_(boxes), status_(status), prompts_(prompts) {}

void SaveLinks::save(const SaveChoice& choice, const PageFooter& footer) {
    status_.setText(StatusPanel::State, "Saving...");
    if (choice.format == SaveFormat::LinkList) {
        saveListFile(choice.path);
    } else {
        exportLinks(choice, footer);
    }
}

void SaveLinks::saveListFile(const std::string& path) {
    std::unique_ptr<platform::ReplacingFile> out;
    try {
        out = std::make_unique<platform::ReplacingFile>(path);
    } catch (const platform::IoError& error) {
        // Refused before a byte was written: the box says which file and why.
        platform::showFileErrorBox(prompts_, path, error.what());
        return;
    }
    try {
        LinkListFileWriter::write(*out, boxes_, links_, [this](std::size_t position) {
            status_.setText(StatusPanel::Detail, std::to_string(position));
        });
        out->commit();
    } catch (const platform::IoError& error) {
        platform::showErrorBox(prompts_, error.what());
        return;
    }
    status_.setText(StatusPanel::State, "Saved");
    status_.setText(StatusPanel::Detail, "");
    const LongTexts cut = LongTexts::of(boxes_, links_);
    if (cut.count() > 0) {
        prompts_.message({platform::MessageIcon::Warning,
                          "Harvex2",
                          cut.message(),
                          {platform::MessageButton::Ok}});
    }
}

void SaveLinks::exportLinks(const SaveChoice& choice, const PageFooter& footer) {
    std::unique_ptr<platform::ReplacingFile> out;
    try {
        out = std::make_unique<platform::ReplacingFile>(choice.path);
    } catch (const platform::IoError& error) {
        prompts_.message(
            {platform::MessageIcon::Error,
             "Harvex2",
             "Error opening output file\n" + platform::namedFailure(choice.path, error.what()),
             {platform::MessageButton::Ok}});
        return;
    }
    try {
        LinkExport::write(*out, links_, {choice.format, choice.scope, boxes_.baseUrl(), footer});
        out->commit();
    } catch (const platform::IoError& error) {
        platform::showErrorBox(prompts_, error.what());
        return;
    }
    status_.setText(StatusPanel::State, "Saved links");
}

} // namespace harvex2::core
