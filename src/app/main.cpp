#include "core/shell/CommandLine.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SocketAutomation.h"
#include "platform/posix/SocketDdeClient.h"
#include "ui/platform/QtEventPump.h"
#include "ui/platform/QtPrompts.h"
#include "ui/platform/QtShell.h"
#include "ui/platform/ReturnPressesButtons.h"
#include "ui/platform/TerminationSignals.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"
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

    ui::QtPrompts prompts;
    ui::QtEventPump eventPump;
    ui::QtShell shell;
    using platform::FileRegistryStore;
    using platform::Hive;
    FileRegistryStore userStore(Hive::CurrentUser,
                                FileRegistryStore::defaultPath(Hive::CurrentUser));
    FileRegistryStore machineStore(Hive::LocalMachine,
                                   FileRegistryStore::defaultPath(Hive::LocalMachine));

    platform::SocketDdeClient dde(shell);
    platform::SocketAutomation automation(machineStore, shell);

    platform::CurlJsonRpcConnector jsonRpc;

    ui::AppServices services;
    services.dde = &dde;
    services.automation = &automation;
    services.jsonRpc = &jsonRpc;
    services.prompts = &prompts;
    services.eventPump = &eventPump;
    services.shell = &shell;
    services.userStore = &userStore;
    services.machineStore = &machineStore;
    services.programFolder =
        ui::toPathBytes(QCoreApplication::applicationDirPath() + QDir::separator());

    // Qt has taken its own options out of argv by now.
    ui::StartupSequence startup(services, core::CommandLine(programArguments(argc, argv)));
    startup.createWindows();
    prompts.setMainWindow(&startup.mainWindow());
    startup.finish();

    ui::MainWindow& mainWindow = startup.mainWindow();
    QObject::connect(&mainWindow, &ui::MainWindow::closed, &app, &QCoreApplication::quit);
    // A logout ends the program as File > Exit does, settings saved.
    ui::TerminationSignals termination;
    QObject::connect(&termination, &ui::TerminationSignals::received, &mainWindow,
                     &ui::MainWindow::exitProgram);
    if (qEnvironmentVariableIsSet(kCloseAfterStart)) {
        QTimer::singleShot(0, &mainWindow, &QWidget::close);
    }
    return app.exec();
}
