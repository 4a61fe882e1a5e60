#include "ui/shell/MainCommands.h"

#include "core/handoff/TargetWording.h"
#include "core/rules/RulePresets.h"
#include "core/shell/DesktopOpener.h"
#include "core/shell/DuplicateRemoval.h"
#include "ui/platform/ShownBytes.h"
#include "ui/rules/RulesDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/DirectoryBrowser.h"
#include "ui/shell/LinkListView.h"
#include "ui/shell/LinkPasting.h"
#include "ui/shell/MainClientArea.h"
#include "ui/shell/MainMenus.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/TemplateOpener.h"
#include "ui/shell/WindowCatalog.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace harvex2::ui {

MainCommands::MainCommands(MainWindow& window, AppServices& services)
    : window_(window), services_(services) {}

MainCommands::~MainCommands() = default;

void MainCommands::connect(MainMenus& menus, MainClientArea& client) {
    QObject::connect(&menus, &MainMenus::triggered, &window_,
                     [this](MainCommand command) { run(command); });
    LinkListView* list = client.list();
    list_ = list;
    ignoreTracking_ = menus.ignoreTracking();
    QObject::connect(ignoreTracking_, &QAction::toggled, &window_,
                     [this](bool on) { window_.settings().ignoreTracking = on; });
    QObject::connect(list, &QWidget::customContextMenuRequested, &window_,
                     [list, popup = menus.listPopup()](const QPoint& at) {
                         popup->popup(list->viewport()->mapToGlobal(at));
                     });
    // Only on the list: in an edit box Ctrl+V pastes text.
    new QShortcut(
        QKeySequence::Paste, list, [this] { run(MainCommand::PasteLinks); }, Qt::WidgetShortcut);
    // Undo moves entries, so it waits while the Add command's lock holds the menus.
    new QShortcut(
        QKeySequence::Undo, list,
        [this] {
            if (window_.menuBar()->isEnabled()) {
                run(MainCommand::Undo);
            }
        },
        Qt::WidgetShortcut);
    QObject::connect(client.browseButton(), &QPushButton::clicked, &window_,
                     [this] { browseForDirectory(); });
    QObject::connect(client.addSelectedButton(), &QPushButton::clicked, &window_,
                     [this] { addSelected(); });
    QObject::connect(client.addAllButton(), &QPushButton::clicked, &window_, [this] { addAll(); });
    QObject::connect(client.deleteSelectedButton(), &QPushButton::clicked, &window_,
                     [this] { window_.links().removeSelected(); });
}

void MainCommands::run(MainCommand command) {
    MainWindowHooks& hooks = window_.hooks();
    switch (command) {
    case MainCommand::ParseHtml:
        return showWindow(WindowSlot::ParseHtml);
    case MainCommand::ParseMultiple:
        return callHook(hooks.parseMultipleFiles);
    case MainCommand::OpenList:
        return callHook(hooks.openLinkList, std::nullopt);
    case MainCommand::SaveLinks:
        return callHook(hooks.saveLinks);
    case MainCommand::AddSequence:
        return showWindow(WindowSlot::Sequential);
    case MainCommand::Options:
        return showWindow(WindowSlot::Options);
    case MainCommand::Exit:
        return window_.exitProgram();
    case MainCommand::SelectSpecial:
        return showWindow(WindowSlot::SelectSpecial);
    case MainCommand::SelectByRules:
        return selectByRules();
    case MainCommand::RemoveDuplicates:
        return removeDuplicates();
    case MainCommand::CheckForNewVersion:
        return callHook(hooks.checkForNewVersion);
    case MainCommand::Count:
        return showCount();
    case MainCommand::Readme:
        return openTextFile("readme.txt");
    case MainCommand::VersionHistory:
        return openTextFile("history.txt");
    case MainCommand::About:
        return callHook(hooks.about);
    case MainCommand::MakeTemplate:
        return makeTemplate();
    case MainCommand::PasteLinks:
        return LinkPasting::paste(*QGuiApplication::clipboard()->mimeData(), services_);
    default:
        return runListCommand(command);
    }
}

void MainCommands::runListCommand(MainCommand command) {
    core::LinkList& links = window_.links();
    switch (command) {
    case MainCommand::SelectAll:
        return links.selectAll();
    case MainCommand::DeselectAll:
        return links.deselectAll();
    case MainCommand::InvertSelection:
        return links.invertSelection();
    case MainCommand::Clear:
        return links.clear();
    case MainCommand::RemoveSelected:
        return links.removeSelected();
    case MainCommand::Undo:
        return links.undo();
    default:
        return;
    }
}

void MainCommands::showWindow(WindowSlot slot) {
    QWidget* window = services_.windows->window(slot);
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
    } else if (window) {
        window->show();
    }
}

void MainCommands::browseForDirectory() {
    auto* browser =
        dynamic_cast<DirectoryBrowser*>(services_.windows->window(WindowSlot::BrowseDir));
    if (!browser) {
        return;
    }
    if (const auto directory = browser->browse()) {
        ShownBytes::show(*window_.directoryBox(), *directory);
    }
}

void MainCommands::addSelected() {
    callHook(window_.hooks().addSelected);
}

void MainCommands::addAll() {
    window_.links().selectAll();
    addSelected();
}

void MainCommands::showCount() {
    services_.prompts->message(
        {platform::MessageIcon::Information,
         "Information",
         core::TargetWording::countMessage(window_.settings().mode, window_.settings().files),
         {platform::MessageButton::Ok}});
}

void MainCommands::openTextFile(const char* name) {
    core::DesktopOpener(*services_.shell, *services_.prompts)
        .openFile(services_.programFolder + name, platform::ShowMode::Maximised);
}

// The entry the pop-up menu was opened on: a right-click makes it current.
void MainCommands::makeTemplate() {
    const QModelIndex current = list_ ? list_->currentIndex() : QModelIndex();
    auto* opener = dynamic_cast<TemplateOpener*>(services_.windows->window(WindowSlot::Sequential));
    if (current.isValid() && opener) {
        opener->openWithTemplateOf(
            std::string(window_.links().textAt(static_cast<std::size_t>(current.row()))));
    }
}

// Made on first use and kept, so that the rules typed last are there the next time.
void MainCommands::selectByRules() {
    if (!rules_) {
        RulesDialog::Sources sources{[this] { return ShownBytes::read(*window_.baseUrlBox()); },
                                     [this]() -> std::optional<std::size_t> {
                                         const QModelIndex current =
                                             list_ ? list_->currentIndex() : QModelIndex();
                                         if (!current.isValid()) {
                                             return std::nullopt;
                                         }
                                         return static_cast<std::size_t>(current.row());
                                     },
                                     core::RulePresets::userFolder()};
        rules_ = std::make_unique<RulesDialog>(services_, std::move(sources), &window_);
    }
    rules_->exec();
}

void MainCommands::removeDuplicates() {
    const std::string base = ShownBytes::read(*window_.baseUrlBox());
    core::removeDuplicates(window_.links(),
                           {base, ignoreTracking_ && ignoreTracking_->isChecked()});
}

} // namespace harvex2::ui
