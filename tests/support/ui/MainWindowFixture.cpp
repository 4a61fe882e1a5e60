#include "support/ui/MainWindowFixture.h"

#include <QPushButton>
#include <QTest>

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

void MainWindowFixture::clickAndFinish(const char* button) {
    QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    auto* locked = child<QPushButton>("Button1");
    EXPECT_TRUE(QTest::qWaitFor([locked] { return locked->isEnabled(); }, 30000))
        << "the command did not end";
}

} // namespace harvex2::test
