#pragma once

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/RouteTable.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace harvex2::core {

// One target's share of a routed Add. Its pass works on rows of its own as if they were
// all the window held; each change reaches the window's row it stands for, the status
// naming the target. A leg is kept across Adds: programs a pass started report on their
// rows after it has ended.
class RouteLeg : public AddingWindowPort, private AddingRowsObserver {
public:
    explicit RouteLeg(NamedTarget target);
    ~RouteLeg() override;
    RouteLeg(const RouteLeg&) = delete;
    RouteLeg& operator=(const RouteLeg&) = delete;

    const NamedTarget& target() const { return target_; }
    // Takes the share's rows out of the Add `main`: they read "Waiting" for this target,
    // with the route's folder. The progress bar counts `before` rows of earlier legs.
    void begin(AddingPassContext& main, const RouteTable::Share& share, std::size_t before);
    // What the leg's pass works with; `finished` is the caller's to set.
    AddingPassContext& context() { return *context_; }
    bool closeRequested() const { return closeRequested_; }

    AddingRows& rows() override { return rows_; }
    void open(std::function<void()> closed) override { main_->window.open(std::move(closed)); }
    void closeNow() override { main_->window.closeNow(); }
    void setCaption(const std::string& caption) override { main_->window.setCaption(caption); }
    void scrollToRow(std::size_t row) override { main_->window.scrollToRow(rowsOfMain_[row]); }
    void setProgressRange(int maximum) override;
    void setProgressPosition(int position) override;
    void requestClose(bool) override { closeRequested_ = true; }
    void setPleaseWaitStatus(const std::string& status) override {
        main_->window.setPleaseWaitStatus(status);
    }
    void showPleaseWait() override { main_->window.showPleaseWait(); }
    void hidePleaseWait() override { main_->window.hidePleaseWait(); }

private:
    void rowsAboutToReset() override {}
    void rowsReset() override {}
    void rowAboutToBeAppended(std::size_t) override {}
    void rowAppended(std::size_t) override {}
    void rowChanged(std::size_t row) override;

    const NamedTarget target_;
    // The Add's settings with this target chosen.
    SettingsRecord settings_;
    AddingRows rows_;
    // The Add's context while the leg's pass runs; its rows outlive the leg.
    AddingPassContext* main_ = nullptr;
    AddingRows* mainRows_ = nullptr;
    // The Add the rows came from: a later one reuses the window's rows.
    std::size_t mainGeneration_ = 0;
    std::vector<std::size_t> rowsOfMain_;
    std::size_t before_ = 0;
    std::optional<AddingPassContext> context_;
    bool closeRequested_ = false;
};

} // namespace harvex2::core
