// Makes the README's pictures with the program's own windows: the main window after a page
// was parsed, the Adding window in the middle of a pass, and the Add Sequential Files dialog
// with a bracket template. Run it under a virtual X server (scripts/screenshots.sh); it
// writes main-window.png, adding-window.png and sequence-dialog.png.
#include "core/handoff/AddingWindowPort.h"
#include "core/shell/SettingsRecord.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/platform/ShownBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/DesktopPlatform.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"
#include "ui/shell/StartupSequence.h"

#include <cstdio>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QWidget>

using namespace harvex2;
using namespace Qt::StringLiterals;

namespace {

constexpr int kAddingWidth = 680;

void settle() {
    QTest::qWait(300);
}

bool save(QWidget& window, const QString& path) {
    window.raise();
    window.activateWindow();
    settle();
    return window.grab().save(path);
}

// Rows as a pass to aria2 leaves them half-way: some taken, one refused, one being handed
// over, the rest waiting.
void fillAddingWindow(core::AddingWindowPort& adding, const std::string& site) {
    const std::string dir = "/home/user/Downloads/gallery";
    core::AddingRows& rows = adding.rows();
    for (int i = 1; i <= 9; ++i) {
        rows.append(site + "photos/summer-" + std::to_string(i) + ".jpg", dir, std::nullopt);
    }
    for (std::size_t row = 0; row < 4; ++row) {
        rows.setStatus(row, "Added", core::RowPicture::Added);
    }
    rows.setStatus(4, "Refused: unsupported protocol", core::RowPicture::Refused);
    rows.setStatus(5, "Adding", core::RowPicture::Adding);
    adding.setProgressRange(9);
    adding.setProgressPosition(5);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: harvex2-screenshots PAGE.html OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::string page = argv[1];
    const QString out = QString::fromLocal8Bit(argv[2]);

    ui::DesktopPlatform desktop;
    ui::AppServices services = desktop.services();

    ui::StartupSequence startup(services, core::CommandLine({}));
    startup.createWindows();
    desktop.prompts().setMainWindow(&startup.mainWindow());
    startup.finish();
    ui::MainWindow& mainWindow = startup.mainWindow();
    const auto aria2 = core::TargetProgram::Aria2;
    services.settings->mode = aria2;
    mainWindow.showTarget(aria2);

    const std::string site = "https://photos.example.org/";
    ui::ShownBytes::show(*mainWindow.baseUrlBox(), site);
    ui::ShownBytes::show(*mainWindow.directoryBox(), "/home/user/Downloads/gallery");
    services.mainHooks->filesDropped({page});
    bool saved = save(mainWindow, out + u"/main-window.png"_s);

    auto* adding =
        qobject_cast<ui::AddingWindow*>(startup.windows().window(ui::WindowSlot::Adding));
    if (!adding) {
        return 1;
    }
    adding->showTarget(aria2);
    fillAddingWindow(*adding, site);
    adding->resize(kAddingWidth, adding->height());
    adding->show();
    saved = save(*adding, out + u"/adding-window.png"_s) && saved;
    adding->hide();

    QWidget* sequence = startup.windows().window(ui::WindowSlot::Sequential);
    auto* glob = sequence ? sequence->findChild<QCheckBox*>(u"CheckBox2"_s) : nullptr;
    auto* url = sequence ? sequence->findChild<QComboBox*>(u"Edit1"_s) : nullptr;
    if (!glob || !url) {
        return 1;
    }
    glob->setChecked(true);
    ui::ShownBytes::show(*url, site + "album[01-12]/photo[001-250].{jpg,png}");
    sequence->show();
    saved = save(*sequence, out + u"/sequence-dialog.png"_s) && saved;
    return saved ? 0 : 1;
}
