#pragma once

#include "support/core/FakeAddingWindow.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/sequence/SequentialDialog.h"
#include "ui/shell/DirectoryBrowser.h"

#include <functional>
#include <optional>
#include <string>

#include <QWidget>

namespace harvex2::test {

// The Adding window as the sequence dialog finds it among the program's windows.
class FakeAddingDialog : public QWidget, public FakeAddingWindow {};

class FakeDirectoryBrowser : public QWidget, public ui::DirectoryBrowser {
public:
    std::optional<std::string> browse() override;

    std::optional<std::string> answer;
    int opened = 0;
};

// The main window with the sequence windows made as at start-up, after a stand-in for the
// Adding window and before a stand-in for the directory browser.
class SequenceFixture : public MainWindowFixture {
protected:
    void SetUp() override;

    ui::SequentialDialog* dialog() const;
    FakeAddingDialog* adding() const;
    FakeDirectoryBrowser* browser() const;
    template <class T> T* control(const char* name) const {
        T* found = dialog()->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* button) const;
    void type(const char* edit, const QString& text) const;
    // Serves the event loop until the dialog's run has ended.
    void waitForRun() const;
    // Runs `act` on the modal window that the next step opens.
    static void whenModal(std::function<void(QWidget&)> act);
};

} // namespace harvex2::test
