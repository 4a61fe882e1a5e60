#pragma once

#include <vector>

#include <QPointer>
#include <QWidget>

namespace harvex2::ui {

class MainWindow;

// Refuses the main window's commands while the Add command reads the link list: its menus,
// toolbar, list buttons and dropped files. The list itself still scrolls and repaints.
class MainCommandLock {
public:
    explicit MainCommandLock(MainWindow& window) : window_(window) {}

    void setLocked(bool locked);

private:
    MainWindow& window_;
    // What was not disabled before, so that unlocking leaves disabled things disabled.
    std::vector<QPointer<QWidget>> locked_;
    bool acceptedDrops_ = false;
};

} // namespace harvex2::ui
