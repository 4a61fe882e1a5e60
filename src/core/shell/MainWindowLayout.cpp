#include "core/shell/MainWindowLayout.h"

namespace harvex2::core {

namespace {
constexpr int kListTop = 48;
constexpr int kBrowseWidth = 23;
constexpr int kActionsWidth = 342;
} // namespace

MainWindowLayout MainWindowLayout::compute(int outerHeight, int clientWidth) {
    const int h = outerHeight;
    const int w = clientWidth;
    MainWindowLayout layout;
    layout.actionsTop = h - 131;
    layout.dirLabelTop = h - 156;
    layout.dirBoxTop = h - 159;
    layout.browseTop = h - 160;
    layout.baseLabelTop = h - 193;
    layout.baseBoxTop = h - 195;
    layout.listHeight = h - 203 - kListTop;
    layout.listWidth = w - 48;
    layout.baseBoxWidth = w - 96;
    layout.browseLeft = w - 20 - kBrowseWidth;
    layout.dirBoxWidth = w - 149 - kBrowseWidth;
    // Integer division truncates toward zero, as the layout wants for narrow windows.
    layout.actionsLeft = (w - kActionsWidth) / 2;
    layout.statePanelWidth = (w - 98) / 2;
    layout.detailPanelWidth = layout.statePanelWidth;
    return layout;
}

} // namespace harvex2::core
