#pragma once

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

// Every message box and standard dialog of the program goes through this seam, so the
// core can ask the user without knowing about windows and tests can script the answers.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual MessageButton message(const MessageRequest& request) = 0;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> browseFolder(const FileDialogRequest& request) = 0;
};

} // namespace harvex2::platform
