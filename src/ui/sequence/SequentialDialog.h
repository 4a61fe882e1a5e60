#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "core/sequence/SequenceActions.h"
#include "core/sequence/SequenceDialogPort.h"
#include "core/sequence/SequenceFields.h"
#include "ui/handoff/ComboHistoryBox.h"
#include "ui/platform/RunDriver.h"
#include "ui/sequence/SequentialControls.h"
#include "ui/shell/TemplateOpener.h"

#include <cstdint>

#include <QDialog>

namespace harvex2::ui {

struct AppServices;
class SequencePreviewModel;

// "Add Sequential Files": a URL template expanded over a range of numbers, previewed here
// and added to the Adding window or the link list. Keeps its fields between openings.
class SequentialDialog : public QDialog, public TemplateOpener, private core::SequenceDialogPort {
    Q_OBJECT
public:
    // `now` is the clock that measures the turns of a run.
    SequentialDialog(AppServices& services, core::AddingWindowPort& adding,
                     std::function<RunDriver::Clock::time_point()> now = &RunDriver::Clock::now,
                     QWidget* parent = nullptr);

    core::SequenceFields fields() const;
    // Sets the fields in the order a profile stores them.
    void setFields(const core::SequenceFields& fields);
    const SequencePreviewModel& preview() const { return *model_; }
    // A Test or Add is under way, from its click until the dialog is unlocked.
    bool running() const { return actions_.running(); }

    void onAddClicked();
    void onCloseClicked();
    void onBrowseClicked();
    void onTestClicked();
    void onSaveProfileClicked();
    void onLoadProfileClicked();

    // Escape and the close box wait for a run to end.
    void reject() override;

    void openWithTemplateOf(const std::string& url) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void connectControls();
    void showExample();
    void showGlobPreview();
    // Enables what the run under way and the kind of template leave open to change.
    void enableFields();

    void setRunning(core::SequenceRunKind kind) override;
    void setProgressMaximum(std::uint64_t maximum) override;
    void setProgressPosition(std::uint64_t position) override;
    core::SequenceSink& clearPreview(const std::string& downloadDir) override;
    void setMainDownloadDirectory(const std::string& directory) override;
    void closeWithOk() override;

    AppServices& services_;
    SequentialControls controls_;
    SequencePreviewModel* model_;
    ComboHistoryBox urlHistory_;
    ComboHistoryBox dirHistory_;
    core::SequenceActions actions_;
    // After the actions: it goes first, and with it a run that still refers to them.
    RunDriver driver_;
    // A progress maximum beyond the bar's range is shown in steps of this many.
    std::uint64_t progressScale_ = 1;
    core::SequenceRunKind run_ = core::SequenceRunKind::None;
};

} // namespace harvex2::ui
