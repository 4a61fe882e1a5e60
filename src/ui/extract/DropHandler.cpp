#include "ui/extract/DropHandler.h"

#include "core/extract/DroppedFiles.h"
#include "core/extract/DroppedLinks.h"
#include "ui/extract/MultipleSetupDialog.h"
#include "ui/extract/ParseHtmlDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"

#include <utility>

#include <QWidget>

namespace harvex2::ui {

DropHandler::DropHandler(AppServices& services, ParseHtmlDialog& parseHtml,
                         MultipleSetupDialog& setup)
    : QObject(&setup), services_(services), parseHtml_(parseHtml), setup_(setup) {
    // Queued: the run's own dialog finishes its work before a waiting drop takes it over.
    connect(&parseHtml, &ParseHtmlDialog::runEnded, this, &DropHandler::handlePending,
            Qt::QueuedConnection);
}

void DropHandler::filesDropped(const std::vector<std::string>& paths) {
    take({Kind::Files, paths});
}

void DropHandler::linksDropped(const std::vector<std::string>& links) {
    take({Kind::Links, links});
}

void DropHandler::filesChosen(const std::vector<std::string>& paths) {
    take({Kind::ChosenFiles, paths});
}

void DropHandler::take(Drop drop) {
    pending_.push_back(std::move(drop));
    handlePending();
}

void DropHandler::handlePending() {
    if (handling_) {
        return;
    }
    handling_ = true;
    // A dropped page's run goes on after its drop is handled; the drops after it wait for
    // its end.
    while (!pending_.empty() && !parseHtml_.isRunning()) {
        const Drop drop = std::move(pending_.front());
        pending_.pop_front();
        handle(drop);
    }
    handling_ = false;
}

void DropHandler::handle(const Drop& drop) {
    switch (drop.kind) {
    case Kind::Files:
        return handleFiles(drop.items);
    case Kind::Links:
        return core::DroppedLinks::append(drop.items, *services_.links, *services_.statusBar);
    case Kind::ChosenFiles:
        return parseMany(drop.items);
    }
}

void DropHandler::handleFiles(const std::vector<std::string>& paths) {
    switch (core::DroppedFiles::route(paths)) {
    case core::DropRoute::Nothing:
        return;
    case core::DropRoute::ParseHtml:
        return parseHtml_.parseDroppedFile(paths.front());
    case core::DropRoute::OpenLinkList:
        return callHook(services_.mainHooks->openLinkList, paths.front());
    case core::DropRoute::CannotHandle:
        services_.prompts->message({platform::MessageIcon::Error,
                                    "Harvex2",
                                    core::DroppedFiles::kCannotHandle,
                                    {platform::MessageButton::Ok}});
        return;
    case core::DropRoute::ParseMany:
        return parseMany(paths);
    }
}

void DropHandler::parseMany(const std::vector<std::string>& paths) {
    if (QWidget* main = services_.mainWindow) {
        main->raise();
        main->activateWindow();
    }
    setup_.parseFiles(paths);
}

} // namespace harvex2::ui
