#include "ui/update/AboutBox.h"

#include "core/update/ProjectSite.h"
#include "support/core/DirectUpdateInstall.h"
#include "support/ui/UiTestServices.h"
#include "ui/update/AboutNames.h"
#include "ui/update/DirectUpdatePage.h"

#include <algorithm>
#include <memory>

#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using platform::MessageButton;
using platform::MessageIcon;
using platform::ShowMode;
using Names = AboutNames;

class AboutBoxTest : public testing::Test {
protected:
    AboutBoxTest() {
        test::makeFakeEngine(engineFolder(), "directupdate");
        record.path = engineFolder();
        test::recordDirectUpdate(env.machineStore, record);
    }

    std::string engineFolder() const { return env.folder() + "/Direct Update"; }

    AboutBox& open(bool developerMode = false) {
        services.developerMode = developerMode;
        box = std::make_unique<AboutBox>(services);
        box->show();
        return *box;
    }
    template <class T> T* child(const char* name) const {
        T* found = box->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) const { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    QString value() const { return child<QLabel>(Names::kEngineVersion)->text(); }
    // Which of "DirectUpdate version:", "Download DirectUpdate" and "Update DirectUpdate"
    // can be used, in that order.
    std::string usable() const {
        std::string state;
        for (const char* name :
             {Names::kEngineVersionCaption, Names::kEngineDownloadLink, Names::kUpdateEngine}) {
            state += child<QWidget>(name)->isEnabled() ? '+' : '-';
        }
        return state;
    }

    test::UiTestServices env;
    AppServices services = env.make();
    test::DirectUpdateRecord record;
    std::unique_ptr<AboutBox> box;
};

TEST_F(AboutBoxTest, OpensOnAboutWithItsTabsInOrder) {
    QLocale::setDefault(QLocale::c());
    open();
    EXPECT_EQ(box->objectName(), u"TAboutBox");
    EXPECT_EQ(box->windowTitle(), u"About");
    EXPECT_EQ(box->size(), AboutBox::kClientSize);
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    auto* tabs = child<QTabWidget>(Names::kPages);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) {
        titles << tabs->tabText(i);
    }
    EXPECT_EQ(titles, (QStringList{u"About"_s, u"Homepages"_s, u"Credits"_s, u"Contact"_s,
                                   u"DirectUpdate"_s}));
    EXPECT_EQ(box->currentTab(), AboutBox::Tab::About);
    EXPECT_EQ(child<QLabel>(Names::kProductName)->text(), u"Harvex2");
    EXPECT_TRUE(child<QLabel>(Names::kProductName)->font().bold());
    EXPECT_EQ(child<QLabel>(Names::kVersion)->text(), u"v1.42");
    EXPECT_EQ(child<QLabel>(Names::kProgramIcon)->pixmap().size(), QSize(32, 32));

    EXPECT_TRUE(child<QPushButton>(Names::kOk)->isDefault());
    click(Names::kOk);
    EXPECT_EQ(box->result(), QDialog::Accepted);
    EXPECT_FALSE(box->isVisible());
}

TEST_F(AboutBoxTest, WithoutTheEngineOnlyTheDownloadLinkIsUsable) {
    test::removeDirectUpdateRecord(env.machineStore);
    open();
    EXPECT_EQ(value(), u"NOT INSTALLED");
    EXPECT_EQ(usable(), "-+-");
    EXPECT_EQ(child<QLabel>(Names::kComponentVersion)->text(), u"1.00");
}

TEST_F(AboutBoxTest, AnInstalledEngineShowsItsVersionAndCanBeUpdated) {
    open();
    EXPECT_EQ(value(), u"2.1");
    EXPECT_EQ(usable(), "+-+");
    click(Names::kUpdateEngine);
    EXPECT_EQ(env.shell.programs,
              (std::vector<std::vector<std::string>>{{engineFolder() + "/directupdate", "/UF"}}));
}

TEST_F(AboutBoxTest, RefreshFollowsTheEngineComingAndGoing) {
    open();
    test::removeDirectUpdateRecord(env.machineStore);
    // Still offered until the next refresh, but the engine is checked again and not found.
    click(Names::kUpdateEngine);
    EXPECT_TRUE(env.shell.programs.empty());

    click(Names::kRefresh);
    EXPECT_EQ(value(), u"NOT INSTALLED");
    EXPECT_EQ(usable(), "-+-");

    record.version = "2.2";
    test::recordDirectUpdate(env.machineStore, record);
    click(Names::kRefresh);
    EXPECT_EQ(value(), u"2.2");
    EXPECT_EQ(usable(), "+-+");
}

TEST_F(AboutBoxTest, ShowingTheBoxAgainRefreshes) {
    open();
    test::removeDirectUpdateRecord(env.machineStore);
    box->hide();
    box->show();
    EXPECT_EQ(value(), u"NOT INSTALLED");
}

TEST_F(AboutBoxTest, DeveloperButtonsShowOnlyInDeveloperModeAndForceAState) {
    open();
    EXPECT_TRUE(child<QPushButton>(Names::kSimulateNotInstalled)->isHidden());
    EXPECT_TRUE(child<QPushButton>(Names::kSimulateInstalled)->isHidden());

    open(true);
    EXPECT_TRUE(child<QPushButton>(Names::kSimulateNotInstalled)->isVisible());
    EXPECT_TRUE(child<QPushButton>(Names::kSimulateInstalled)->isVisible());
    click(Names::kSimulateNotInstalled);
    EXPECT_EQ(value(), u"NOT INSTALLED (SIMULATED)");
    EXPECT_EQ(usable(), "-+-");

    test::removeDirectUpdateRecord(env.machineStore);
    click(Names::kSimulateInstalled);
    EXPECT_EQ(value(), u"");
    EXPECT_EQ(usable(), "+-+");
    EXPECT_EQ(child<QLabel>(Names::kComponentVersion)->text(), u"1.00");
}

TEST_F(AboutBoxTest, LinksOpenTheirAddresses) {
    test::removeDirectUpdateRecord(env.machineStore);
    open();
    click(Names::kNetVampireLink);
    click(Names::kReGetLink);
    click(Names::kEngineHomeLink);
    click(Names::kEngineDownloadLink);
    EXPECT_EQ(env.shell.opened,
              (std::vector<std::pair<std::string, ShowMode>>{
                  {core::ProjectSite::netVampire(), ShowMode::Maximised},
                  {core::ProjectSite::reGet(), ShowMode::Maximised},
                  {core::ProjectSite::directUpdate(), ShowMode::Normal},
                  {core::ProjectSite::directUpdateDownload(), ShowMode::Normal}}));
    EXPECT_EQ(child<QLabel>(Names::kNetVampireLink)->text().toStdString(),
              core::ProjectSite::netVampire());
    EXPECT_EQ(child<QLabel>(Names::kReGetLink)->text().toStdString(), core::ProjectSite::reGet());

    // Without a browser, a box gives the address to copy.
    env.shell.opens = false;
    env.prompts.expectMessage(MessageIcon::Information, "Harvex2",
                              "No web browser could be started. The address is:\n" +
                                  core::ProjectSite::netVampire(),
                              {MessageButton::Ok}, MessageButton::Ok);
    click(Names::kNetVampireLink);
    env.prompts.expectMessage(MessageIcon::None, "Harvex2",
                              "Please download : \r\n" + core::ProjectSite::directUpdateDownload(),
                              {MessageButton::Ok, MessageButton::Cancel}, MessageButton::Ok);
    click(Names::kEngineDownloadLink);
}

// The libraries the program file names, as the loader reads them.
QStringList linkedLibraries() {
    QProcess objdump;
    objdump.start(u"objdump"_s, {u"-p"_s, QStringLiteral(HARVEX2_GUI_BINARY)});
    EXPECT_TRUE(objdump.waitForFinished());
    QStringList libraries;
    for (const QString& line :
         QString::fromLocal8Bit(objdump.readAllStandardOutput()).split(u'\n')) {
        const QStringList words = line.simplified().split(u' ');
        if (words.size() == 2 && words[0] == u"NEEDED"_s) {
            libraries << words[1];
        }
    }
    return libraries;
}

TEST_F(AboutBoxTest, TheCreditsNameEveryLinkedLibraryWithItsLicence) {
    const struct {
        QString library;
        QString credit; // empty: no part of the program as users run it
    } credits[] = {
        {u"libQt6"_s, u"Qt 6 (Core, Gui, Widgets): GNU Lesser General Public License"_s},
        {u"libcurl."_s, u"libcurl: the curl licence"_s},
        {u"libre2."_s, u"RE2: BSD 3-Clause License"_s},
        {u"libGLX."_s, u"libglvnd (libGLX, libOpenGL), which Qt draws through: MIT License"_s},
        {u"libOpenGL."_s, u"libglvnd (libGLX, libOpenGL), which Qt draws through: MIT License"_s},
        {u"libstdc++."_s, u"GNU C++ Library and GCC runtime: GNU General Public License"_s},
        {u"libgcc_s."_s, u"GNU C++ Library and GCC runtime: GNU General Public License"_s},
        {u"libc."_s, u"GNU C Library: GNU Lesser General Public License"_s},
        {u"libm."_s, u"GNU C Library: GNU Lesser General Public License"_s},
        {u"libasan."_s, {}},
        {u"libubsan."_s, {}},
    };
    open();
    const QString text = child<QLabel>(Names::kLibraryList)->text();
    // A header-only library leaves no name in the program file.
    EXPECT_TRUE(text.contains(u"JSON for Modern C++ (nlohmann-json): MIT License"_s));
    const QStringList libraries = linkedLibraries();
    EXPECT_TRUE(libraries.contains(u"libcurl.so.4"_s)) << libraries.join(u' ').toStdString();
    for (const QString& library : libraries) {
        SCOPED_TRACE(library.toStdString());
        const auto credit = std::ranges::find_if(
            credits, [&](const auto& entry) { return library.startsWith(entry.library); });
        ASSERT_NE(credit, std::end(credits)) << "not credited";
        EXPECT_TRUE(text.contains(credit->credit));
    }
}

// Every text is whole inside its page: nothing runs past its parent, into a neighbour, or
// is cut short, whatever the engine recorded.
TEST_F(AboutBoxTest, EveryTextFitsItsPage) {
    record.version = std::string(200, '9');
    test::recordDirectUpdate(env.machineStore, record);
    open(true);
    auto* tabs = child<QTabWidget>(Names::kPages);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        for (QWidget* widget : box->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->parentWidget()) {
                continue;
            }
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QPushButton*>(widget);
            if (!label && !button) {
                continue;
            }
            const std::string name = widget->objectName().toStdString();
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
            for (const QObject* sibling : widget->parentWidget()->children()) {
                const auto* other = qobject_cast<const QWidget*>(sibling);
                EXPECT_TRUE(other == widget || !other || !other->isVisible() ||
                            !other->geometry().intersects(widget->geometry()))
                    << name << " overlaps " << other->objectName().toStdString();
            }
            if (button) {
                // A button's size hint keeps a minimum width of its own; only its text counts.
                EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()),
                          button->width() - 8)
                    << name;
                continue;
            }
            const QSize needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                                   : label->sizeHint();
            EXPECT_GE(label->width(), needed.width()) << name;
            EXPECT_GE(label->height(), needed.height()) << name;
        }
    }
}

} // namespace
} // namespace harvex2::ui
