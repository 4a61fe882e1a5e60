#pragma once

#include "core/update/UpdateEngine.h"
#include "ui/update/AboutBox.h"

#include <QObject>

namespace harvex2::ui {

struct AppServices;

// The main window's "Check for new &version..." and "&About...": takes over their hooks
// and keeps the main window's update component, which lives as long as the window.
class UpdateCommands : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kDescriptorName = "harvex.duf";

    // `services` must carry the main window and its hooks already.
    UpdateCommands(AppServices& services, QObject* parent);

    // Starts the update engine on the descriptor beside the program; without the engine,
    // says so and shows where to get it.
    void checkForNewVersion();
    // A new About box, shown modally on `tab`.
    void showAbout(AboutBox::Tab tab);

private:
    AppServices& services_;
    core::UpdateEngine engine_;
};

} // namespace harvex2::ui
