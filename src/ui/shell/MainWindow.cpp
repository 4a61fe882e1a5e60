#include "ui/shell/MainWindow.h"

#include "core/extract/DroppedLinks.h"
#include "core/shell/MruHistory.h"
#include "core/shell/ProgramVersion.h"
#include "platform/Failure.h"
#include "ui/handoff/WindowDownloads.h"
#include "ui/listfiles/ListFileCommands.h"
#include "ui/platform/ShownBytes.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/Artwork.h"
#include "ui/shell/LinkListModel.h"
#include "ui/shell/LinkListView.h"
#include "ui/shell/LinkPasting.h"
#include "ui/shell/ListUndo.h"
#include "ui/shell/MainClientArea.h"
#include "ui/shell/MainCommands.h"
#include "ui/shell/MainMenus.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/WindowLedger.h"
#include "ui/update/UpdateCommands.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using platform::StatusPanel;

namespace {

// The program version with two decimals and the user's decimal separator.
std::string versionText() {
    return core::ProgramVersion::text(toBytes(QLocale().decimalPoint()));
}

void fillHistory(QComboBox& box, platform::RegistryStore& store, const core::MruSpec& spec) {
    box.clear();
    for (const std::string& entry : core::MruHistory::load(store, spec)) {
        ShownBytes::addItem(box, entry);
    }
    box.setCurrentIndex(-1);
    ShownBytes::show(box, {});
}

} // namespace

MainWindow::MainWindow(AppServices& services)
    : services_(services), storage_(*services.userStore),
      model_(std::make_unique<LinkListModel>(links_)) {
    buildWindow();
    services_.mainWindow = this;
    services_.links = &links_;
    services_.settings = &settings_;
    services_.statusBar = &panels();
    services_.mainHooks = &hooks_;
    // Its update component and its open dialog are created with the window and live as
    // long as it.
    new UpdateCommands(services_, this);
    new ListFileCommands(services_, *baseUrlBox(), *directoryBox(), this);
    new ListUndo(links_, services_.prompts, this);
    if (!services_.ledgerPath.empty()) {
        new WindowLedger(services_, *model_, *baseUrlBox(), *this);
    }
    new WindowDownloads(services_, *model_, this);

    loadSettings();
    panels().setText(StatusPanel::State, "Welcome to Harvex");
    panels().setText(StatusPanel::Detail, "v" + versionText());
    setAcceptDrops(true);
    showTarget(settings_.mode);
    loadHistories();
}

MainWindow::~MainWindow() {
    // The list view goes before the model, and the model before the list it watches.
    delete takeCentralWidget();
}

void MainWindow::buildWindow() {
    setObjectName(u"TForm1"_s);
    setWindowTitle(u"Harvex"_s);
    setWindowIcon(Artwork::windowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    client_ = new MainClientArea(*model_, this);
    setCentralWidget(client_);
    menus_ = new MainMenus(*menuBar(), *client_);
    client_->setToolBar(menus_->toolBar());
    commands_ = std::make_unique<MainCommands>(*this, services_);
    commands_->connect(*menus_, *client_);
    // The stored rectangle's defaults are the window's design place and size.
    applyOuterRect(core::WindowRect{});
    client_->list()->setFocus();
}

MainStatusBar& MainWindow::panels() const {
    return *client_->statusBar();
}

void MainWindow::showTarget(core::TargetProgram mode) {
    client_->showTarget(mode, settings_);
}

QComboBox* MainWindow::baseUrlBox() const {
    return client_->baseUrlBox();
}

QComboBox* MainWindow::directoryBox() const {
    return client_->directoryBox();
}

std::vector<QWidget*> MainWindow::commandWidgets() const {
    std::vector<QWidget*> widgets{menuBar(), menus_->toolBar()};
    widgets.insert(widgets.end(), menus_->menus().begin(), menus_->menus().end());
    widgets.insert(widgets.end(), {client_->addSelectedButton(), client_->addAllButton(),
                                   client_->deleteSelectedButton()});
    return widgets;
}

core::WindowRect MainWindow::outerRect() const {
    return {x(), y(), client_->width() + MainClientArea::kFrameWidth,
            client_->height() + MainClientArea::kFrameHeight};
}

void MainWindow::applyOuterRect(const core::WindowRect& rect) {
    const QSize area =
        QSize(rect.width - MainClientArea::kFrameWidth, rect.height - MainClientArea::kFrameHeight)
            .expandedTo(client_->minimumSize());
    move(rect.left, rect.top);
    resize(area.width(), menuBar()->sizeHint().height() + area.height());
    // The window lays out its area only once it is shown; the rectangle must read back at
    // once, and the rule must have run, even while it is still hidden.
    client_->resize(area);
    client_->arrange();
}

void MainWindow::loadSettings() {
    settings_ = storage_.LoadSettings(outerRect());
    menus_->ignoreTracking()->setChecked(settings_.ignoreTracking);
    if (settings_.remember) {
        applyOuterRect(settings_.position);
    }
}

void MainWindow::loadHistories() {
    fillHistory(*baseUrlBox(), *services_.userStore, core::mru::kMainBaseUrl);
    fillHistory(*directoryBox(), *services_.userStore, core::mru::kMainDir);
}

void MainWindow::saveSettingsOnce() {
    if (settingsSaved_) {
        return;
    }
    settingsSaved_ = true;
    try {
        storage_.SaveSettings(settings_, outerRect(), versionText());
    } catch (const platform::RegistryError& error) {
        // The program still ends; the user learns that this run's settings are lost.
        services_.prompts->report({platform::FailureKind::General, error.what()});
    }
}

void MainWindow::saveChoices() {
    try {
        storage_.SaveChoices(settings_, versionText());
    } catch (const platform::RegistryError& error) {
        // The choices stay in force; the exit tries again.
        services_.prompts->report({platform::FailureKind::General, error.what()});
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!endHandOffBeforeClosing() || !stopDownloadsBeforeClosing()) {
        event->ignore();
        return;
    }
    saveSettingsOnce();
    event->accept();
    emit closed();
}

bool MainWindow::endHandOffBeforeClosing() {
    if (!hooks_.handOffRunning || !hooks_.handOffRunning()) {
        return true;
    }
    if (!exiting_ &&
        services_.prompts->message({platform::MessageIcon::Question,
                                    "Harvex2",
                                    "Links are still being handed over.\r\nStop "
                                    "and exit?",
                                    {platform::MessageButton::Yes, platform::MessageButton::No}}) !=
            platform::MessageButton::Yes) {
        return false;
    }
    hooks_.endHandOff();
    return true;
}

bool MainWindow::stopDownloadsBeforeClosing() {
    platform::ProcessLauncher* launcher = services_.launcher;
    if (launcher == nullptr || launcher->pending() == 0) {
        return true;
    }
    if (!exiting_ &&
        services_.prompts->message({platform::MessageIcon::Question,
                                    "Harvex2",
                                    "Downloads are still running.\r\nStop them and exit?",
                                    {platform::MessageButton::Yes, platform::MessageButton::No}}) !=
            platform::MessageButton::Yes) {
        return false;
    }
    launcher->stopAll();
    return true;
}

void MainWindow::exitProgram() {
    exiting_ = true;
    saveSettingsOnce();
    close();
}

MainWindow::Dropped MainWindow::dropped(const QMimeData& data) {
    Dropped found;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            found.paths.push_back(toPathBytes(url.toLocalFile()));
        } else if (std::string link = url.toEncoded().toStdString();
                   core::DroppedLinks::isWebLink(link)) {
            found.links.push_back(std::move(link));
        }
    }
    return found;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const Dropped found = dropped(*event->mimeData());
    if (!found.paths.empty() || !found.links.empty() ||
        LinkPasting::offersText(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

// Local files keep their own rules; a browser's links count only in a drop without them,
// and a selection's markup or text only in a drop without either.
void MainWindow::dropEvent(QDropEvent* event) {
    const Dropped found = dropped(*event->mimeData());
    if (!found.paths.empty()) {
        event->acceptProposedAction();
        callHook(hooks_.filesDropped, found.paths);
    } else if (!found.links.empty()) {
        event->acceptProposedAction();
        callHook(hooks_.linksDropped, found.links);
    } else if (LinkPasting::offersText(*event->mimeData())) {
        event->acceptProposedAction();
        LinkPasting::paste(*event->mimeData(), services_);
    }
}

} // namespace harvex2::ui
