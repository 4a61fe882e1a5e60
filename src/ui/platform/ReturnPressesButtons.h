#pragma once

#include <QObject>

namespace harvex2::ui {

// Return and Enter press the push button that has the focus, as the space bar does, in
// every window: Qt does so only for a dialog's default buttons, so outside dialogs the keys
// did nothing. Installed once on the application.
class ReturnPressesButtons : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace harvex2::ui
