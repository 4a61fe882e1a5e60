#pragma once

#include <functional>
#include <memory>

class QAction;

namespace harvex2::ui {

struct AppServices;
class LinkListView;
class MainClientArea;
class MainMenus;
class MainWindow;
class RulesDialog;
enum class MainCommand;
enum class WindowSlot;

// What the main window's menus, pop-up menu, toolbar and buttons do.
class MainCommands {
public:
    MainCommands(MainWindow& window, AppServices& services);
    ~MainCommands();

    void connect(MainMenus& menus, MainClientArea& client);
    void run(MainCommand command);

private:
    void runListCommand(MainCommand command);
    void showWindow(WindowSlot slot);
    void browseForDirectory();
    void addSelected();
    void addAll();
    void showCount();
    void openTextFile(const char* name);
    void makeTemplate();
    void selectByRules();
    void removeDuplicates();

    MainWindow& window_;
    AppServices& services_;
    LinkListView* list_ = nullptr;
    QAction* ignoreTracking_ = nullptr;
    std::unique_ptr<RulesDialog> rules_;
};

} // namespace harvex2::ui
