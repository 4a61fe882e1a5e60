#pragma once

#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "core/shell/SettingsStorage.h"
#include "ui/shell/MainWindowHooks.h"

#include <memory>
#include <vector>

#include <QMainWindow>

class QComboBox;
class QMimeData;

namespace harvex2::ui {

struct AppServices;
class LinkListModel;
class MainClientArea;
class MainCommands;
class MainMenus;
class MainStatusBar;

// The program's main window (objectName TForm1): the link list with its commands, the
// Base URL and Download directory boxes, the status bar and the menus that open every
// other window. Its creation loads the settings and its closing saves them.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Fills in the main window's part of `services` and runs the creation steps.
    explicit MainWindow(AppServices& services);
    ~MainWindow() override;

    core::LinkList& links() { return links_; }
    core::SettingsRecord& settings() { return settings_; }
    MainWindowHooks& hooks() { return hooks_; }
    MainStatusBar& panels() const;
    // Shows which target the links go to, wherever the window names it.
    void showTarget(core::TargetProgram mode);
    QComboBox* baseUrlBox() const;
    QComboBox* directoryBox() const;
    // What reaches the window's commands: menus, toolbar and the list's buttons.
    std::vector<QWidget*> commandWidgets() const;

    // Saves the settings, then closes the window without saving them a second time.
    void exitProgram();
    // Saves the settings changed since they were last loaded or saved, except the window's
    // position, which waits for the exit.
    void saveChoices();

    // The outer rectangle as the settings store keeps it.
    core::WindowRect outerRect() const;
    void applyOuterRect(const core::WindowRect& rect);

signals:
    // The window was closed and the settings saved: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    void loadSettings();
    void loadHistories();
    void saveSettingsOnce();
    // False when the user chose to let a hand-off in progress go on.
    bool endHandOffBeforeClosing();
    // False when the user chose to let the command target's downloads go on.
    bool stopDownloadsBeforeClosing();
    struct Dropped {
        std::vector<std::string> paths; // local files
        std::vector<std::string> links; // web and FTP links
    };
    static Dropped dropped(const QMimeData& data);

    AppServices& services_;
    core::LinkList links_;
    core::SettingsRecord settings_;
    core::SettingsStorage storage_;
    MainWindowHooks hooks_;
    std::unique_ptr<LinkListModel> model_;
    MainClientArea* client_ = nullptr;
    MainMenus* menus_ = nullptr;
    std::unique_ptr<MainCommands> commands_;
    bool settingsSaved_ = false;
    // The program is ending without asking (Exit, a logout).
    bool exiting_ = false;
};

} // namespace harvex2::ui
