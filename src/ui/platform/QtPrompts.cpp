#include "ui/platform/QtPrompts.h"

#include "ui/platform/FailureBox.h"
#include "ui/platform/TextBytes.h"

#include <algorithm>
#include <functional>
#include <optional>
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

MessageButton pressedButton(const QMessageBox& box,
                            const std::vector<std::pair<QAbstractButton*, MessageButton>>& buttons,
                            const platform::MessageRequest& request) {
    for (const auto& [widget, ours] : buttons) {
        if (widget == box.clickedButton()) {
            return ours;
        }
    }
    return request.buttons.empty() ? MessageButton::Ok : request.buttons.back();
}

std::vector<std::string> chosenPaths(const QFileDialog& dialog) {
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
        paths.push_back(toPathBytes(path));
    }
    return paths;
}

// The answer is given from the event loop once the box has gone, so that it may close or
// destroy the window the box belonged to.
template <class Answer>
void answerLater(const std::function<void(Answer)>& answered, Answer answer) {
    if (answered) {
        QMetaObject::invokeMethod(
            qApp, [answered, answer = std::move(answer)] { answered(answer); },
            Qt::QueuedConnection);
    }
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

std::unique_ptr<QMessageBox> QtPrompts::makeBox(const platform::MessageRequest& request,
                                                BoxButtons& buttons) const {
    // A peer's failure text or a link may run to megabytes: the box shows it cut.
    auto box =
        std::make_unique<QMessageBox>(boxIcon(request.icon), fromBytes(request.caption),
                                      shownText(request.text), QMessageBox::NoButton, owner());
    // Paths and addresses in a box can be copied from it.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (const MessageButton button : request.buttons) {
        buttons.emplace_back(addButton(*box, button), button);
    }
    return box;
}

MessageButton QtPrompts::message(const platform::MessageRequest& request) {
    BoxButtons buttons;
    const auto box = makeBox(request, buttons);
    box->exec();
    return pressedButton(*box, buttons, request);
}

void QtPrompts::ask(const platform::MessageRequest& request, Answered answered) {
    BoxButtons buttons;
    QMessageBox* box = makeBox(request, buttons).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box,
                     [box, buttons, request, answered = std::move(answered)] {
                         answerLater(answered, pressedButton(*box, buttons, request));
                     });
    box->open();
}

void QtPrompts::report(const platform::Failure& failure) {
    message(FailureBox::requestFor(failure));
}

void QtPrompts::reportThen(const platform::Failure& failure, std::function<void()> then) {
    Answered answered;
    if (then) {
        answered = [then = std::move(then)](MessageButton) { then(); };
    }
    ask(FailureBox::requestFor(failure), std::move(answered));
}

std::unique_ptr<QFileDialog> QtPrompts::makeFileDialog(const platform::FileDialogRequest& request,
                                                       QFileDialog::FileMode fileMode,
                                                       QFileDialog::AcceptMode acceptMode) const {
    auto dialog = std::make_unique<QFileDialog>(owner(), fromBytes(request.title),
                                                fromPathBytes(request.initialPath));
    dialog->setFileMode(fileMode);
    dialog->setAcceptMode(acceptMode);
    const QStringList filters = nameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const auto index = std::min(request.filterIndex, request.filters.size() - 1);
        dialog->selectNameFilter(filters.at(static_cast<qsizetype>(index)));
    }
    if (fileMode == QFileDialog::Directory) {
        dialog->setOption(QFileDialog::ShowDirsOnly);
    }
    dialog->setDefaultSuffix(fromBytes(request.defaultExtension));
    return dialog;
}

std::vector<std::string> QtPrompts::runFileDialog(const platform::FileDialogRequest& request,
                                                  QFileDialog::FileMode fileMode,
                                                  QFileDialog::AcceptMode acceptMode) {
    const auto dialog = makeFileDialog(request, fileMode, acceptMode);
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    return chosenPaths(*dialog);
}

void QtPrompts::askForFolder(const platform::FileDialogRequest& request, FolderChosen chosen) {
    QFileDialog* dialog =
        makeFileDialog(request, QFileDialog::Directory, QFileDialog::AcceptOpen).release();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, chosen = std::move(chosen)](int result) {
                         std::optional<std::string> folder;
                         if (result == QDialog::Accepted) {
                             const auto paths = chosenPaths(*dialog);
                             if (!paths.empty()) {
                                 folder = paths.front();
                             }
                         }
                         answerLater(chosen, std::move(folder));
                     });
    static_cast<QDialog*>(dialog)->open();
}

std::optional<std::string> QtPrompts::openFile(const platform::FileDialogRequest& request) {
    auto paths = runFileDialog(request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
    return paths.empty() ? std::nullopt : std::optional(paths.front());
}

std::optional<platform::ChosenFile>
QtPrompts::openFileOfType(const platform::FileDialogRequest& request) {
    const auto dialog = makeFileDialog(request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const auto paths = chosenPaths(*dialog);
    if (paths.empty()) {
        return std::nullopt;
    }
    const qsizetype filter = dialog->nameFilters().indexOf(dialog->selectedNameFilter());
    return platform::ChosenFile{paths.front(),
                                static_cast<std::size_t>(std::max<qsizetype>(filter, 0))};
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
