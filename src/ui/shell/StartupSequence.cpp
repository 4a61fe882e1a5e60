#include "ui/shell/StartupSequence.h"

#include "ui/shell/AppServices.h"
#include "ui/shell/ListRecovery.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/SplashWindow.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {
SplashWindow::FormList formList(SplashLine line) {
    return line == SplashLine::First ? SplashWindow::FormList::First
                                     : SplashWindow::FormList::Second;
}
} // namespace

StartupSequence::StartupSequence(AppServices& services, core::CommandLine commandLine,
                                 std::span<const WindowEntry> windows)
    : services_(services), commandLine_(std::move(commandLine)), catalog_(windows) {
    services_.developerMode = commandLine_.developerMode();
    services_.windows = &catalog_;
}

StartupSequence::~StartupSequence() = default;

void StartupSequence::initialiseApplication() {
    // The task bar names the program through its desktop entry; a display name would also
    // be appended to every window title, and the main window must read just "Harvex".
    QGuiApplication::setApplicationName(u"Harvex2"_s);
    QGuiApplication::setDesktopFileName(u"harvex2"_s);
    // Labels sit at fixed places beside their boxes; a small font of ordinary width keeps
    // them from running into each other.
    QFont font = QApplication::font();
    font.setFamilies({u"Arial"_s, u"Liberation Sans"_s, u"Nimbus Sans"_s, u"Helvetica"_s});
    font.setPixelSize(11);
    QApplication::setFont(font);
}

void StartupSequence::createWindows() {
    initialiseApplication();
    splash_ = std::make_unique<SplashWindow>(services_.developerMode);
    splash_->show();
    splash_->refresh();

    splash_->setFormList(SplashWindow::FormList::First, u"Main "_s);
    currentLine_ = SplashLine::First;
    mainWindow_ = std::make_unique<MainWindow>(services_);
    for (const WindowEntry& entry : catalog_.entries()) {
        createWindow(entry);
    }

    if (const auto file = commandLine_.linkListFile()) {
        callHook(mainWindow_->hooks().openLinkList, *file);
    }
}

void StartupSequence::createWindow(const WindowEntry& entry) {
    if (entry.line == SplashLine::None) {
        catalog_.create(entry, services_);
        splash_->refresh();
        return;
    }
    const QString word = QString::fromLatin1(entry.splashWord);
    if (entry.line == currentLine_) {
        splash_->appendToFormList(formList(entry.line), word);
    } else {
        splash_->setFormList(formList(entry.line), word);
        currentLine_ = entry.line;
    }
    splash_->refresh();
    catalog_.create(entry, services_);
}

void StartupSequence::finish() {
    splash_.reset();
    mainWindow_->show();
    tellStoreNotices();
    startRecovery();
}

void StartupSequence::startRecovery() {
    if (services_.recoveryFolder.empty()) {
        return;
    }
    recovery_ = new ListRecovery(mainWindow_->links(), services_.recoveryFolder, mainWindow_.get());
    QObject::connect(mainWindow_.get(), &MainWindow::closed, recovery_, &ListRecovery::discardFile);
    recovery_->offerLeftBehind(*services_.prompts);
}

// Start-up reads every setting through paths that fall back to defaults without a word; a
// settings file refused as too large, or held locked by another program, is told here,
// once the main window is up.
void StartupSequence::tellStoreNotices() {
    for (platform::RegistryStore* store : {services_.userStore, services_.machineStore}) {
        if (!store) {
            continue;
        }
        for (const std::string& text : store->takeNotices()) {
            services_.prompts->message(
                {platform::MessageIcon::Warning, "Harvex2", text, {platform::MessageButton::Ok}});
        }
    }
}

} // namespace harvex2::ui
