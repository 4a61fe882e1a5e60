#include "support/ui/MainWindowFixture.h"

namespace harvex2::test {

void MainWindowFixture::start() {
    if (!catalog) {
        catalog = std::make_unique<ui::WindowCatalog>(std::span<const ui::WindowEntry>{});
    }
    services = env.make();
    services.windows = catalog.get();
    window = std::make_unique<ui::MainWindow>(services);
}

void MainWindowFixture::restart() {
    window->close();
    window.reset();
    start();
}

QAction* MainWindowFixture::action(const char* name) const {
    return child<QAction>(name);
}

} // namespace harvex2::test
