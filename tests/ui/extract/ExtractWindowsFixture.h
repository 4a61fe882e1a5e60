#pragma once

#include "support/ui/MainWindowFixture.h"
#include "support/ui/ModalScript.h"
#include "ui/extract/BaseUrlPrompt.h"
#include "ui/extract/MultipleProgressWindow.h"
#include "ui/extract/MultipleSetupDialog.h"
#include "ui/extract/ParseHtmlDialog.h"

#include <functional>
#include <string>
#include <vector>

#include <QList>
#include <QUrl>

namespace harvex2::test {

// The main window with the program's own link extraction windows, made by their factories
// in the program's order, so that the hooks between them are the program's too.
class ExtractWindowsFixture : public MainWindowFixture {
protected:
    void SetUp() override;
    // Makes the windows again, for instance after a change of the services.
    void createWindows(std::vector<ui::WindowEntry> entries = programEntries());
    static std::vector<ui::WindowEntry> programEntries();

    std::string page(const std::string& name, const std::string& html) const;
    std::vector<std::string> links() const;
    // Drags `urls` onto the main window and drops them there, as a file manager or a web
    // browser would; returns whether the window took the drag.
    bool drop(const QList<QUrl>& urls);
    static QList<QUrl> files(const std::vector<std::string>& paths);
    // Lets the event loop run until the dropped pages' runs have ended and `done` holds.
    void waitForParses(const std::function<bool()>& done = [] { return true; });

    ModalScript script;
    ui::BaseUrlPrompt* prompt = nullptr;
    ui::ParseHtmlDialog* parseHtml = nullptr;
    ui::MultipleSetupDialog* setup = nullptr;
    ui::MultipleProgressWindow* progress = nullptr;

private:
    std::vector<ui::WindowEntry> entries_; // the catalog's table
};

} // namespace harvex2::test
