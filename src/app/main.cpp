#include "core/shell/CommandLine.h"
#include "ui/platform/ReturnPressesButtons.h"
#include "ui/platform/TerminationSignals.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/DesktopPlatform.h"
#include "ui/shell/ListRecovery.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/StartupSequence.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

using namespace harvex2;

namespace {

// Closing right after start-up lets a script check a whole run, settings file included,
// without a desktop to click on.
constexpr const char* kCloseAfterStart = "HARVEX2_CLOSE_AFTER_START";

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.installEventFilter(new ui::ReturnPressesButtons(&app));

    ui::DesktopPlatform desktop;
    ui::AppServices services = desktop.services();
    services.programFolder =
        ui::toPathBytes(QCoreApplication::applicationDirPath() + QDir::separator());

    // Qt has taken its own options out of argv by now.
    ui::StartupSequence startup(services, core::CommandLine(programArguments(argc, argv)));
    startup.createWindows();
    desktop.prompts().setMainWindow(&startup.mainWindow());
    startup.finish();

    ui::MainWindow& mainWindow = startup.mainWindow();
    QObject::connect(&mainWindow, &ui::MainWindow::closed, &app, &QCoreApplication::quit);
    // A logout ends the program as File > Exit does, settings saved, but its list stays
    // for the next start to offer.
    ui::TerminationSignals termination;
    QObject::connect(&termination, &ui::TerminationSignals::received, &mainWindow, [&startup] {
        if (ui::ListRecovery* recovery = startup.recovery()) {
            recovery->keepFile();
        }
    });
    QObject::connect(&termination, &ui::TerminationSignals::received, &mainWindow,
                     &ui::MainWindow::exitProgram);
    if (qEnvironmentVariableIsSet(kCloseAfterStart)) {
        QTimer::singleShot(0, &mainWindow, &QWidget::close);
    }
    return app.exec();
}
