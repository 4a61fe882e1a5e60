#pragma once

#include "core/shell/SettingsRecord.h"
#include "platform/StatusBar.h"

#include <array>

#include <QWidget>

class QLabel;
class QSizeGrip;

namespace harvex2::ui {

// The main window's status bar (objectName StatusBar1) with its state, detail and target
// panels. The first two have the widths the window gives them; the target panel takes
// the rest. A text too long for its panel is cut, and shown whole in the panel's tooltip.
class MainStatusBar : public QWidget, public platform::StatusBar {
    Q_OBJECT
public:
    static constexpr int kHeight = 19;

    explicit MainStatusBar(QWidget* parent = nullptr);

    void setText(platform::StatusPanel panel, const std::string& text) override;
    std::string text(platform::StatusPanel panel) const override;

    void setPanelWidths(int stateWidth, int detailWidth);
    // The name of the target program for a Mode value, with aria2's chosen endpoint; other
    // values name none.
    void showTarget(core::TargetProgram mode, const core::SettingsRecord& settings);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanels();

    std::array<QLabel*, 3> panels_{};
    std::array<std::string, 3> texts_;
    QSizeGrip* grip_ = nullptr;
    int stateWidth_ = 0;
    int detailWidth_ = 0;
};

} // namespace harvex2::ui
