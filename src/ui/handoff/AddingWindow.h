#pragma once

#include "core/handoff/AddingPass.h"
#include "core/handoff/AddingRows.h"
#include "core/handoff/AddingWindowPort.h"
#include "core/rules/RulePresets.h"
#include "ui/handoff/PleaseWaitWindow.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include <QDialog>
#include <QPointer>

class QGroupBox;
class QProgressBar;
class QTimer;
class QTreeView;

namespace harvex2::ui {

struct AppServices;
class AddingRowsModel;

// The window where links leave the program: one row per link, handed to the download
// manager by a pass that starts a moment after the window has appeared.
class AddingWindow : public QDialog, public core::AddingWindowPort {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kStartDelay{2500};

    explicit AddingWindow(AppServices& services, std::chrono::milliseconds startDelay = kStartDelay,
                          QWidget* parent = nullptr);
    ~AddingWindow() override;

    core::AddingRows& rows() override { return rows_; }
    void open(std::function<void()> closed) override;
    void closeNow() override { done(Rejected); }

    // The target's state pictures and the group title naming it.
    void showTarget(core::TargetProgram mode);
    void setPleaseWait(PleaseWaitWindow* window) { pleaseWait_ = window; }
    core::JobFileManager& jobManager() { return pass_.jobManager(); }
    bool passRunning() const { return pass_.running(); }

    // Closing the window gives up a pass in progress at once; a close before the pass has
    // started withdraws it.
    void done(int result) override;

    void setCaption(const std::string& caption) override;
    void scrollToRow(std::size_t row) override;
    void setProgressRange(int maximum) override;
    void setProgressPosition(int position) override;
    void requestClose(bool ok) override;
    void setPleaseWaitStatus(const std::string& status) override;
    void showPleaseWait() override;
    void hidePleaseWait() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layOutGroup();
    void startPass();
    void passEnded();
    void closeWith(int result);

    AppServices& services_;
    core::AddingRows rows_;
    core::RulePresets presets_{core::RulePresets::userFolder()};
    core::AddingPass pass_;
    AddingRowsModel* model_;
    QGroupBox* group_;
    QTreeView* list_;
    QProgressBar* progress_;
    QTimer* timer_;
    QPointer<PleaseWaitWindow> pleaseWait_;
    // The pass asked for the window to close; it does once the pass has ended.
    std::optional<int> pendingClose_;
    std::function<void()> closed_;
};

} // namespace harvex2::ui
