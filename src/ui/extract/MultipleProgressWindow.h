#pragma once

#include "core/extract/MultipleParseView.h"

#include <array>
#include <chrono>
#include <string>

#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace harvex2::ui {

// "Parsing Multiple Files...": follows a multiple-file run beside the setup dialog, file by
// file and step by step, and shows "Done" for a moment when the run is over.
class MultipleProgressWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kHideDelay{1000};

    // `hideAtOnce`: the window goes as soon as the run is over (developer mode).
    explicit MultipleProgressWindow(std::chrono::milliseconds hideDelay = kHideDelay,
                                    bool hideAtOnce = false, QWidget* parent = nullptr);

    // Shows the window for a run over `files` files, with nothing done yet.
    void prepare(int files);
    void showRunStarted();
    void showFile(const std::string& path);
    void showStep(core::MultipleStep step);
    void setPosition(int done);
    // "Done", then the window hides itself.
    void showDone();

    void onHideTimer();

private:
    void buildControls();
    void placeSteps(int left, int top);

    bool hideAtOnce_;
    QTimer timer_;                     // Timer1
    QLabel* fileLabel_ = nullptr;      // Label1
    QLabel* fileName_ = nullptr;       // lblFileName
    std::array<QLabel*, 3> steps_{};   // lblStep1 .. lblStep3
    QProgressBar* progress_ = nullptr; // ProgressBar1
};

} // namespace harvex2::ui
