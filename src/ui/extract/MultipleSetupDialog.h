#pragma once

#include "ui/platform/RunDriver.h"

#include <memory>
#include <string>
#include <vector>

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace harvex2::core {
class MultipleParse;
}

namespace harvex2::ui {

struct AppServices;
class BaseUrlPrompt;
class MultipleProgressWindow;
class MultipleRunView;

// "Parse Multiple Files": lists the files dropped together and asks how their relative
// links get a base, then parses them all in one run, which goes on in slices from the
// event loop while the dialog stays open. It keeps its choices between runs.
class MultipleSetupDialog : public QDialog {
    Q_OBJECT
public:
    MultipleSetupDialog(AppServices& services, BaseUrlPrompt& prompt, QWidget* parent = nullptr);
    ~MultipleSetupDialog() override;

    // The window that follows the runs; it is created after this dialog.
    void setProgressWindow(MultipleProgressWindow& progress) { progress_ = &progress; }

    // Replaces the file list with `paths` and shows the dialog modally.
    void parseFiles(const std::vector<std::string>& paths);
    std::vector<std::string> files() const;
    bool isRunning() const { return run_ != nullptr; }

    void onOneBaseClicked();
    void onEachFileClicked();
    void onStartClicked();
    // Closes the dialog; during a run, once the run has stopped at its next safe point.
    void onCloseClicked();
    // The file list's "Remove": the selected paths leave the list.
    void removeSelected();

    void reject() override;

private:
    void buildFiles();
    void buildMethod();
    void buildButtons();
    void enableBase(bool enabled);
    // Runs slices until the run must ask something, asks it, and goes on.
    void driveRun();
    void runEnded();
    void setRunning(bool running);

    AppServices& services_;
    BaseUrlPrompt& prompt_;
    MultipleProgressWindow* progress_ = nullptr;

    QListWidget* list_ = nullptr;      // ListBox1
    QRadioButton* oneBase_ = nullptr;  // RadioButton1
    QRadioButton* eachFile_ = nullptr; // RadioButton2
    QLabel* baseLabel_ = nullptr;      // Label1
    QLineEdit* base_ = nullptr;        // txtBase
    QPushButton* start_ = nullptr;     // Button1
    QPushButton* close_ = nullptr;     // Button2

    std::unique_ptr<MultipleRunView> view_;
    std::unique_ptr<core::MultipleParse> run_;
    // Last: a run still going when the dialog goes ends before what it reports to.
    RunDriver driver_;
};

} // namespace harvex2::ui
