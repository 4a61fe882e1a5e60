#include "ui/update/DirectUpdatePage.h"

#include "core/update/UpdateEngine.h"
#include "ui/platform/TextBytes.h"
#include "ui/update/AboutLayout.h"
#include "ui/update/AboutNames.h"
#include "ui/update/WebLink.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using Names = AboutNames;

namespace {

constexpr QRect kGroup{12, 60, 350, 150};
constexpr int kRefreshSize = 22;

} // namespace

DirectUpdatePage::DirectUpdatePage(core::UpdateEngine& engine, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    setObjectName(QLatin1StringView(Names::kUpdatePage));
    AboutLayout::addLabel(this, Names::kEngineAbout,
                          u"DirectUpdate is a rather handy technology by Idyle Software."_s,
                          {12, 12});
    WebLink* home = AboutLayout::addLink(this, Names::kEngineHomeLink,
                                         u"Go to DirectUpdate homepage"_s, {12, 32});
    connect(home, &WebLink::clicked, this, [this] { engine_.openHomePage(); });
    buildGroup();
}

void DirectUpdatePage::buildGroup() {
    auto* group = new QGroupBox(u"DirectUpdate information"_s, this);
    group->setObjectName(QLatin1StringView(Names::kEngineGroup));
    group->setGeometry(kGroup);

    const QLabel* cmpCaption = AboutLayout::addLabel(
        group, Names::kComponentVersionCaption, u"Component version:"_s, {12, 26},
        u"Shows the version of the DirectUpdate component built into Harvex2"_s);
    versionCaption_ = AboutLayout::addLabel(
        group, Names::kEngineVersionCaption, u"DirectUpdate version:"_s, {12, 48},
        u"Shows the version of DirectUpdate installed on this PC"_s);
    const int column = AboutLayout::columnAfter({cmpCaption, versionCaption_});
    componentVersion_ = AboutLayout::addLabel(group, Names::kComponentVersion, {}, {column, 26});
    version_ = AboutLayout::addLabel(group, Names::kEngineVersion, {}, {column, 48});
    download_ = AboutLayout::addLink(group, Names::kEngineDownloadLink, u"Download DirectUpdate"_s,
                                     {12, 78},
                                     u"Click to download the DirectUpdate installer (not "
                                     "available if DirectUpdate is installed)"_s);
    connect(download_, &WebLink::clicked, this, [this] { engine_.openDownloadPage(); });

    updateEngine_ = new QPushButton(u"Update DirectUpdate"_s, group);
    updateEngine_->setObjectName(QLatin1StringView(Names::kUpdateEngine));
    updateEngine_->setToolTip(u"Click to update the DirectUpdate engine (not available if "
                              "DirectUpdate is not installed)"_s);
    updateEngine_->setGeometry(12, 106, 140, 25);
    connect(updateEngine_, &QPushButton::clicked, this, [this] { engine_.updateItself(); });

    refresh_ = new QToolButton(group);
    refresh_->setObjectName(QLatin1StringView(Names::kRefresh));
    refresh_->setAutoRaise(true);
    refresh_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    refresh_->setToolTip(u"Refresh DirectUpdate informamtion"_s);
    refresh_->setGeometry(kGroup.width() - kRefreshSize - 6, 16, kRefreshSize, kRefreshSize);
    connect(refresh_, &QToolButton::clicked, this, &DirectUpdatePage::refresh);
}

void DirectUpdatePage::showState(bool installed, const QString& versionText) {
    versionCaption_->setEnabled(installed);
    // The engine's version is whatever its installer recorded; a long one must not run
    // under the refresh button.
    const int width = refresh_->x() - version_->x();
    version_->setText(version_->fontMetrics().elidedText(versionText, Qt::ElideRight, width));
    version_->adjustSize();
    download_->setEnabled(!installed);
    updateEngine_->setEnabled(installed);
    componentVersion_->setText(fromBytes(engine_.componentVersion()));
    componentVersion_->adjustSize();
}

void DirectUpdatePage::refresh() {
    engine_.checkInstallation();
    showState(engine_.installed(),
              engine_.installed() ? fromBytes(engine_.version()) : u"NOT INSTALLED"_s);
}

void DirectUpdatePage::simulateNotInstalled() {
    showState(false, u"NOT INSTALLED (SIMULATED)"_s);
}

void DirectUpdatePage::simulateInstalled() {
    engine_.checkInstallation();
    showState(true, fromBytes(engine_.version()));
}

} // namespace harvex2::ui
