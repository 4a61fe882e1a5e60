#pragma once

#include <array>

#include <QPoint>
#include <QRect>
#include <Qt>

class QDialog;
class QFrame;
class QPushButton;

namespace harvex2::ui {

// What the two profile dialogs share: a fixed dialog with only a close box, a framed
// panel, and "OK" (default) and "Cancel" (Escape) buttons.
Qt::WindowFlags profileDialogFlags();
QFrame* framedPanel(QDialog& dialog, QRect geometry);
// Places "OK" and "Cancel" at their top-left corners; returns them in that order.
std::array<QPushButton*, 2> addOkCancel(QDialog& dialog, std::array<QPoint, 2> corners);

} // namespace harvex2::ui
