#include "ui/platform/QtShell.h"

#include "ui/platform/TextBytes.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace harvex2::ui {

bool QtShell::open(const std::string& pathOrAddress, platform::ShowMode) {
    // The desktop's handler decides how the document's window appears; there is no
    // portable way to ask it for a maximised one.
    const QString text = fromPathBytes(pathOrAddress);
    const QUrl url = QDir::isAbsolutePath(text) ? QUrl::fromLocalFile(text)
                                                : QUrl::fromUserInput(text, QDir::currentPath());
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtShell::startCommand(const std::string& commandLine) {
    QStringList arguments = QProcess::splitCommand(fromPathBytes(commandLine));
    if (arguments.isEmpty()) {
        return false;
    }
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments);
}

} // namespace harvex2::ui
