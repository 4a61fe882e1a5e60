#pragma once

#include "core/extract/ScanStats.h"

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
class ParseHtmlDialog : public QDialog, private core::ScanStats {
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
    bool isRunning() const { return running_; }

    void Button1Click();
    void Button2Click();
    void Button3Click();

    void reject() override;

signals:
    // A run has ended, whether the file could be read or not.
    void runEnded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void FormShow();
    bool ParseHTML();
    void setRunning(bool running);
    void saveHistory();
    void showHistory(const std::vector<std::string>& entries);
    void UpdateStats(core::ScanEvent event, const core::ScanCounters& counters) override;
    void showCounters(const core::ScanCounters& counters);

    AppServices& services_;
    std::chrono::milliseconds refreshInterval_;
    QElapsedTimer sinceRefresh_;
    bool running_ = false;
    bool runShown_ = false; // the running run was started from the shown dialog

    QComboBox* source_ = nullptr;    // Edit1
    QPushButton* browse_ = nullptr;  // Button1
    QPushButton* process_ = nullptr; // Button2
    QPushButton* close_ = nullptr;   // Button3
    QLabel* characters_ = nullptr;   // Label4
    QLabel* linksFound_ = nullptr;   // Label5
    QLabel* linksIgnored_ = nullptr; // Label7
};

} // namespace harvex2::ui
