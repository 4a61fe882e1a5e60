#pragma once

namespace harvex2::core {

// Where the main window's resizable controls go for an outer height H and a client
// width W. Lefts and sizes not listed here stay as designed.
struct MainWindowLayout {
    int actionsTop = 0;
    int actionsLeft = 0;
    int dirLabelTop = 0;
    int dirBoxTop = 0;
    int dirBoxWidth = 0;
    int browseTop = 0;
    int browseLeft = 0;
    int baseLabelTop = 0;
    int baseBoxTop = 0;
    int baseBoxWidth = 0;
    int listHeight = 0;
    int listWidth = 0;
    int statePanelWidth = 0;
    int detailPanelWidth = 0;

    static MainWindowLayout compute(int outerHeight, int clientWidth);
};

} // namespace harvex2::core
