#pragma once

#include "support/ui/UiTestServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/WindowCatalog.h"

#include <memory>

#include <QAction>

#include <gtest/gtest.h>

namespace harvex2::test {

// A main window over settings files of the test's own, with no other window of the
// program created unless the test gives the catalog a table.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override { start(); }

    void start();
    // Closes the window (saving its settings) and creates a new one on the same files.
    void restart();
    QAction* action(const char* name) const;
    // Clicks the button and serves events until the command it started has ended: the
    // main window's commands are no longer locked.
    void clickAndFinish(const char* button);
    template <class T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    UiTestServices env;
    ui::AppServices services;
    std::unique_ptr<ui::MainWindow> window;
    // Destroyed before the main window: its windows may be the main window's children.
    std::unique_ptr<ui::WindowCatalog> catalog;
};

} // namespace harvex2::test
