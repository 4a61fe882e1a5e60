#include "ui/update/AboutBox.h"

#include "core/shell/DesktopOpener.h"
#include "ui/shell/AppServices.h"
#include "ui/update/AboutNames.h"
#include "ui/update/AboutPages.h"
#include "ui/update/DirectUpdatePage.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using Names = AboutNames;

namespace {

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(at);
    return button;
}

} // namespace

AboutBox::AboutBox(AppServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      engine_(*services.machineStore, *services.shell, *services.prompts) {
    setObjectName(QLatin1StringView(Names::kWindow));
    setWindowTitle(u"About"_s);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QLatin1StringView(Names::kPages));
    tabs_->setGeometry(8, 8, kClientSize.width() - 16, kClientSize.height() - 49);
    // The tab under the mouse lights up, so the row reads as something to click.
    tabs_->tabBar()->setAttribute(Qt::WA_Hover);
    tabs_->addTab(AboutPages::about(tabs_), u"About"_s);
    const core::DesktopOpener opener(*services.shell, *services.prompts);
    tabs_->addTab(AboutPages::homepages(opener, tabs_), u"Homepages"_s);
    tabs_->addTab(AboutPages::credits(tabs_), u"Credits"_s);
    tabs_->addTab(AboutPages::contact(opener, tabs_), u"Contact"_s);
    directUpdatePage_ = new DirectUpdatePage(engine_, tabs_);
    tabs_->addTab(directUpdatePage_, u"DirectUpdate"_s);

    buildButtons(services.developerMode);
    setFixedSize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void AboutBox::buildButtons(bool developerMode) {
    const int top = kClientSize.height() - 33;
    QPushButton* ok = addButton(this, Names::kOk, u"OK"_s, {kClientSize.width() - 83, top, 75, 25});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    QPushButton* notInstalled =
        addButton(this, Names::kSimulateNotInstalled, u"DU Not installed"_s, {8, top, 100, 25});
    QPushButton* installed =
        addButton(this, Names::kSimulateInstalled, u"DU Installed"_s, {112, top, 100, 25});
    notInstalled->setVisible(developerMode);
    installed->setVisible(developerMode);
    connect(notInstalled, &QPushButton::clicked, directUpdatePage_,
            &DirectUpdatePage::simulateNotInstalled);
    connect(installed, &QPushButton::clicked, directUpdatePage_,
            &DirectUpdatePage::simulateInstalled);
}

void AboutBox::selectTab(Tab tab) {
    tabs_->setCurrentIndex(static_cast<int>(tab));
}

AboutBox::Tab AboutBox::currentTab() const {
    return static_cast<Tab>(tabs_->currentIndex());
}

void AboutBox::showEvent(QShowEvent* event) {
    directUpdatePage_->refresh();
    QDialog::showEvent(event);
}

} // namespace harvex2::ui
