#include "ui/shell/WindowLedger.h"

#include "ui/platform/ShownBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkListModel.h"

#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace harvex2::ui {

WindowLedger::WindowLedger(AppServices& services, LinkListModel& model, QComboBox& baseUrl,
                           QWidget& window)
    : QObject(&window), keeper_(services.ledgerPath, *services.windowThread,
                                [&prompts = *services.prompts](const std::string& message) {
                                    prompts.message({platform::MessageIcon::Warning,
                                                     "Harvex2",
                                                     message,
                                                     {platform::MessageButton::Ok}});
                                }) {
    services.ledger = &keeper_;
    model.setLedger(&keeper_.ledger(), [&baseUrl] { return ShownBytes::read(baseUrl); });
    keeper_.setChanged([&model] { model.sentChanged(); });
    window.installEventFilter(this);
    keeper_.load();
}

bool WindowLedger::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ActivationChange &&
        static_cast<QWidget*>(watched)->isActiveWindow()) {
        keeper_.refresh();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace harvex2::ui
