#include "ui/platform/QtShell.h"

#include "platform/CommandWords.h"
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
    const auto words = platform::CommandWords::split(commandLine);
    return words && startProgram(*words);
}

bool QtShell::startProgram(const std::vector<std::string>& words) {
    if (words.empty()) {
        return false;
    }
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i) {
        arguments.append(fromPathBytes(words[i]));
    }
    return QProcess::startDetached(fromPathBytes(words.front()), arguments);
}

} // namespace harvex2::ui
