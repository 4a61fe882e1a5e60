#pragma once

#include "core/extract/ParseHtml.h"
#include "ui/platform/RunDriver.h"

#include <chrono>
#include <string>
#include <vector>

#include <QDialog>
#include <QElapsedTimer>

class QComboBox;
class QLabel;
class QPushButton;

namespace harvex2::ui {

struct AppServices;

// "Parse HTML file": the user names an HTML source and its links go to the end of the
// link list. The dialog stays open between runs and shows the counters of the last one.
// The run goes on in slices from the event loop, so the windows stay alive meanwhile.
class ParseHtmlDialog : public QDialog, private core::ParseHtmlObserver {
    Q_OBJECT
public:
    // How often the counters are redrawn during a run: often enough to watch, rarely
    // enough that drawing never slows a long file.
    static constexpr std::chrono::milliseconds kRefreshInterval{50};

    explicit ParseHtmlDialog(AppServices& services,
                             std::chrono::milliseconds refreshInterval = kRefreshInterval,
                             QWidget* parent = nullptr);

    // A single HTML file dropped on the main window: parsed at once, without showing the
    // dialog and without touching its history. Ignored while a run is going on.
    void parseDroppedFile(const std::string& path);
    bool isRunning() const { return driver_.running(); }

    void onBrowseClicked();
    void onProcessClicked();
    void onCloseClicked();

    // Closing the dialog while its own run goes on cancels the run; the dialog closes once
    // the run has ended. A dropped file's run goes on without it.
    void reject() override;

signals:
    // A run has ended, whether the file could be read or not.
    void runEnded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void onShown();
    // Starts a run on the source box's file; false when the file could not be opened.
    bool startRun();
    void runFinished();
    void setRunning(bool running);
    void saveHistory();
    void showHistory(const std::vector<std::string>& entries);
    void progressed(const core::ScanCounters& counters) override;
    void ended(const core::ScanCounters& counters, bool whole) override;
    void showCounters(const core::ScanCounters& counters);

    AppServices& services_;
    std::chrono::milliseconds refreshInterval_;
    QElapsedTimer sinceRefresh_;
    bool processing_ = false; // the run was started by Process
    bool closeAfterRun_ = false;

    QComboBox* source_ = nullptr;    // Edit1
    QPushButton* browse_ = nullptr;  // Button1
    QPushButton* process_ = nullptr; // Button2
    QPushButton* close_ = nullptr;   // Button3
    QLabel* characters_ = nullptr;   // Label4
    QLabel* linksFound_ = nullptr;   // Label5
    QLabel* linksIgnored_ = nullptr; // Label7
    // Last: a run still going when the dialog goes ends before anything it reports to.
    RunDriver driver_;
};

} // namespace harvex2::ui
