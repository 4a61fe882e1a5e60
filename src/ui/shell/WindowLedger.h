#pragma once

#include "core/ledger/LedgerKeeper.h"

#include <QObject>

class QComboBox;
class QWidget;

namespace harvex2::ui {

struct AppServices;
class LinkListModel;

// The record of sent links as the main window shows it: read on a thread of its own at
// start-up, read again for what other copies of the program appended whenever the window
// comes back to the front, and every change of it shown in the list.
class WindowLedger : public QObject {
    Q_OBJECT
public:
    // Reads the ledger at `services.ledgerPath` and makes it the services' ledger.
    WindowLedger(AppServices& services, LinkListModel& model, QComboBox& baseUrl, QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    core::LedgerKeeper keeper_;
};

} // namespace harvex2::ui
