#pragma once

#include <deque>
#include <string>
#include <vector>

#include <QObject>

namespace harvex2::ui {

struct AppServices;
class MultipleSetupDialog;
class ParseHtmlDialog;

// What becomes of files and links dropped on the main window. A drop that arrives while a
// parse is running waits until the run has ended, so that it never lands in the middle of
// a file's links; drops are then taken in the order they came.
class DropHandler : public QObject {
    Q_OBJECT
public:
    DropHandler(AppServices& services, ParseHtmlDialog& parseHtml, MultipleSetupDialog& setup);

    // Local files, full paths in the order received.
    void filesDropped(const std::vector<std::string>& paths);
    // Links dragged from a web browser.
    void linksDropped(const std::vector<std::string>& links);
    // Files picked for "Parse Multiple Files…": the multiple-file dialog however many.
    void filesChosen(const std::vector<std::string>& paths);

private:
    enum class Kind { Files, Links, ChosenFiles };
    struct Drop {
        Kind kind;
        std::vector<std::string> items;
    };

    void take(Drop drop);
    void handlePending();
    void handle(const Drop& drop);
    void handleFiles(const std::vector<std::string>& paths);
    void parseMany(const std::vector<std::string>& paths);

    AppServices& services_;
    ParseHtmlDialog& parseHtml_;
    MultipleSetupDialog& setup_;
    std::deque<Drop> pending_;
    bool handling_ = false;
};

} // namespace harvex2::ui
