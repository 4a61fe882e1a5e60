#include "ui/listfiles/ListFileCommands.h"

#include "core/shell/ProgramVersion.h"
#include "ui/listfiles/SaveLinksDialog.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"

#include <QDateTime>
#include <QLocale>

namespace harvex2::ui {

ListFileCommands::ListFileCommands(AppServices& services, QComboBox& baseUrl, QComboBox& directory,
                                   QObject* parent)
    : QObject(parent), services_(services), boxes_(baseUrl, directory), lock_(*services.mainWindow),
      driver_(this, services.runClock),
      open_(*services.links, boxes_, *services.statusBar, *services.prompts,
            [this](auto run, auto finished) { startRun(std::move(run), std::move(finished)); }),
      save_(*services.links, boxes_, *services.statusBar, *services.prompts,
            [this](auto run, auto finished) { startRun(std::move(run), std::move(finished)); }) {
    services.mainHooks->saveLinks = [this] { saveLinks(); };
    services.mainHooks->openLinkList = [this](const std::optional<std::string>& presetPath) {
        openLinkList(presetPath);
    };
    connect(services.mainWindow, &MainWindow::closed, this, &ListFileCommands::windowClosed);
}

void ListFileCommands::saveLinks() {
    if (running()) {
        return;
    }
    SaveLinksDialog dialog(services_, services_.mainWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    core::SaveChoice choice = dialog.choice();
    if (const core::SettingsRecord* settings = services_.settings) {
        choice.nameMask = settings->nameMask;
        choice.referrer = {static_cast<core::Referrer::Kind>(settings->referrer),
                           settings->referrerText};
    }
    save_.save(choice, pageFooter(QDateTime::currentDateTime()));
}

void ListFileCommands::openLinkList(const std::optional<std::string>& presetPath) {
    if (!running()) {
        open_.run(presetPath);
    }
}

// The list stays on screen and scrolls, but nothing may change it or start other work
// while a run reads or writes it. A run started before the window is shown, as for a list
// named on the command line, is done at once: no window waits on it, and the program
// comes up with the list in it.
void ListFileCommands::startRun(std::unique_ptr<core::SlicedRun> run,
                                std::function<void()> finished) {
    if (!services_.mainWindow->isVisible()) {
        core::runAtOnce(std::move(run), std::move(finished));
        return;
    }
    lock_.setLocked(true);
    driver_.start(std::move(run), [this, finished = std::move(finished)] {
        lock_.setLocked(false);
        finished();
    });
}

// A save asked for is not lost with the program; a load is of no use to it any more.
void ListFileCommands::windowClosed() {
    save_.finishNow();
    open_.cancel();
}

core::PageFooter ListFileCommands::pageFooter(const QDateTime& now) {
    const QLocale locale;
    QString stamp = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time().msecsSinceStartOfDay() >= 1000) {
        // The long format names the time zone in many locales; the stamp is the clock time.
        QString format = locale.timeFormat(QLocale::LongFormat);
        format.remove(u't');
        stamp += u' ' + locale.toString(now.time(), format.trimmed());
    }
    return {core::ProgramVersion::text(toBytes(locale.decimalPoint())), toBytes(stamp)};
}

} // namespace harvex2::ui
