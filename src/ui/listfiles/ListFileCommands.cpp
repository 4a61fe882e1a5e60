#include "ui/listfiles/ListFileCommands.h"

#include "core/listfiles/SaveLinks.h"
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
    : QObject(parent), services_(services), boxes_(baseUrl, directory),
      open_(*services.links, boxes_, *services.statusBar, *services.prompts) {
    services.mainHooks->saveLinks = [this] { saveLinks(); };
    services.mainHooks->openLinkList = [this](const std::optional<std::string>& presetPath) {
        openLinkList(presetPath);
    };
}

void ListFileCommands::saveLinks() {
    SaveLinksDialog dialog(services_, services_.mainWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    core::SaveLinks(*services_.links, boxes_, *services_.statusBar, *services_.prompts)
        .save(dialog.choice(), pageFooter(QDateTime::currentDateTime()));
}

void ListFileCommands::openLinkList(const std::optional<std::string>& presetPath) {
    open_.run(presetPath);
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
