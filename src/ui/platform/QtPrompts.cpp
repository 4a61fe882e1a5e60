#include "ui/platform/QtPrompts.h"

#include "ui/platform/TextBytes.h"

#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using platform::MessageButton;
using platform::MessageIcon;

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

constexpr std::pair<MessageButton, QMessageBox::StandardButton> kButtons[] = {
    {MessageButton::Ok, QMessageBox::Ok},         {MessageButton::Cancel, QMessageBox::Cancel},
    {MessageButton::Abort, QMessageBox::Abort},   {MessageButton::Retry, QMessageBox::Retry},
    {MessageButton::Ignore, QMessageBox::Ignore}, {MessageButton::Yes, QMessageBox::Yes},
    {MessageButton::No, QMessageBox::No},
};

// Answers Qt has no standard button for, shown in their own words.
const std::pair<MessageButton, const char16_t*> kWordedButtons[] = {
    {MessageButton::IgnoreAll, u"Ignore All"},
    {MessageButton::SkipRemainingErrors, u"Skip the remaining errors"},
};

// A button of the box's own kind where there is one; otherwise one with its own words.
QPushButton* addButton(QMessageBox& box, MessageButton button) {
    for (const auto& [ours, theirs] : kButtons) {
        if (ours == button) {
            return box.addButton(theirs);
        }
    }
    for (const auto& [ours, words] : kWordedButtons) {
        if (ours == button) {
            return box.addButton(QString::fromUtf16(words), QMessageBox::ActionRole);
        }
    }
    return nullptr;
}

QStringList nameFilters(const std::vector<platform::FileFilter>& filters) {
    QStringList result;
    for (const platform::FileFilter& filter : filters) {
        QString patterns = fromBytes(filter.patterns);
        patterns.replace(u';', u' ');
        // "*.*" means every file where it comes from, including names without a dot.
        if (patterns == u"*.*"_s) {
            patterns = u"*"_s;
        }
        result << fromBytes(filter.description) + u" ("_s + patterns + u')';
    }
    return result;
}

} // namespace

QWidget* QtPrompts::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return mainWindow_;
}

MessageButton QtPrompts::message(const platform::MessageRequest& request) {
    // A peer's failure text or a link may run to megabytes: the box shows it cut.
    QMessageBox box(boxIcon(request.icon), fromBytes(request.caption), shownText(request.text),
                    QMessageBox::NoButton, owner());
    // Paths and addresses in a box can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    std::vector<std::pair<QAbstractButton*, MessageButton>> buttons;
    for (const MessageButton button : request.buttons) {
        buttons.emplace_back(addButton(box, button), button);
    }
    box.exec();
    for (const auto& [widget, ours] : buttons) {
        if (widget == box.clickedButton()) {
            return ours;
        }
    }
    return request.buttons.empty() ? MessageButton::Ok : request.buttons.back();
}

std::vector<std::string> QtPrompts::runFileDialog(const platform::FileDialogRequest& request,
                                                  QFileDialog::FileMode fileMode,
                                                  QFileDialog::AcceptMode acceptMode) {
    QFileDialog dialog(owner(), fromBytes(request.title), fromPathBytes(request.initialPath));
    dialog.setFileMode(fileMode);
    dialog.setAcceptMode(acceptMode);
    const QStringList filters = nameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const auto index = std::min(request.filterIndex, request.filters.size() - 1);
        dialog.selectNameFilter(filters.at(static_cast<qsizetype>(index)));
    }
    if (fileMode == QFileDialog::Directory) {
        dialog.setOption(QFileDialog::ShowDirsOnly);
    }
    dialog.setDefaultSuffix(fromBytes(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
        paths.push_back(toPathBytes(path));
    }
    return paths;
}

std::optional<std::string> QtPrompts::openFile(const platform::FileDialogRequest& request) {
    auto paths = runFileDialog(request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
    return paths.empty() ? std::nullopt : std::optional(paths.front());
}

std::vector<std::string> QtPrompts::openFiles(const platform::FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPrompts::saveFile(const platform::FileDialogRequest& request) {
    auto paths = runFileDialog(request, QFileDialog::AnyFile, QFileDialog::AcceptSave);
    return paths.empty() ? std::nullopt : std::optional(paths.front());
}

std::optional<std::string> QtPrompts::browseFolder(const platform::FileDialogRequest& request) {
    auto paths = runFileDialog(request, QFileDialog::Directory, QFileDialog::AcceptOpen);
    return paths.empty() ? std::nullopt : std::optional(paths.front());
}

} // namespace harvex2::ui
