#pragma once

#include "platform/Failure.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::platform {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButton {
    Ok,
    Cancel,
    Abort,
    Retry,
    Ignore,
    IgnoreAll,
    Yes,
    No,
    SkipRemainingErrors
};

struct MessageRequest {
    MessageIcon icon = MessageIcon::None;
    std::string caption;
    std::string text;
    std::vector<MessageButton> buttons{MessageButton::Ok};
};

struct FileFilter {
    std::string description; // "HTML Files"
    std::string patterns;    // "*.htm;*.html"
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::size_t filterIndex = 0;
    std::string initialPath; // folder or file to start from
    std::string defaultExtension;
};

// A file the open dialog gave, with the filter that was chosen when it was accepted.
struct ChosenFile {
    std::string path;
    std::size_t filterIndex = 0;
};

// Every message box and standard dialog of the program goes through this seam, so the
// core can ask the user without knowing about windows and tests can script the answers.
class Prompts {
public:
    using Answered = std::function<void(MessageButton)>;
    using FolderChosen = std::function<void(std::optional<std::string>)>;

    virtual ~Prompts() = default;
    // Shows the box and returns at once: `answered`, when given, hears the button on the
    // window's thread once the box has closed. Work that must not wait inside a box (a
    // hand-off pass) asks this way and goes on from the answer.
    virtual void ask(const MessageRequest& request, Answered answered) = 0;
    // The folder dialog as ask() shows a box; nothing is chosen when it was cancelled.
    virtual void askForFolder(const FileDialogRequest& request, FolderChosen chosen) = 0;
    // Tells the user what failed and waits until the box has closed; how each kind of
    // failure is shown is the window's to decide.
    virtual void report(const Failure& failure) = 0;
    // The same without waiting: `then`, when given, goes on once the box has closed.
    virtual void reportThen(const Failure& failure, std::function<void()> then) = 0;
    // The box, waiting until it has closed.
    virtual MessageButton message(const MessageRequest& request) = 0;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    // As openFile, for a dialog whose filters choose how the file is read.
    virtual std::optional<ChosenFile> openFileOfType(const FileDialogRequest& request) = 0;
    virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> browseFolder(const FileDialogRequest& request) = 0;
};

} // namespace harvex2::platform
