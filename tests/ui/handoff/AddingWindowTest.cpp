#include "ui/handoff/AddingWindow.h"

#include "platform/posix/SocketDdeClient.h"
#include "support/core/NetVampireInstall.h"
#include "support/servers/ScriptedDdeServer.h"
#include "support/ui/UiTestServices.h"
#include "ui/handoff/AddingRowsModel.h"
#include "ui/handoff/PleaseWaitWindow.h"
#include "ui/handoff/StatePictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace std::chrono_literals;
using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

class AddingWindowTest : public ::testing::Test {
protected:
    AddingWindowTest() {
        window.setPleaseWait(&pleaseWait);
        for (int i = 0; i < 3; ++i) {
            window.rows().append("http://h/" + std::to_string(i) + ".zip", "", i);
        }
    }

    // A program folder with the executable and its data folder, recorded as Net Vampire's.
    void installProgram(bool withData = true) {
        installNetVampire(env.machineStore, env.folder() + "/nv", withData);
    }

    QTreeView* list() { return window.findChild<QTreeView*>(QStringLiteral("ListView1")); }

    // Opens the window and serves events until it has closed.
    void runUntilClosed() {
        QEventLoop loop;
        bool closed = false;
        window.open([&] {
            closed = true;
            loop.quit();
        });
        if (!closed) {
            loop.exec();
        }
    }

    // Runs the window; `whileOpen` runs once a pass is over, if the window is still open.
    void runAndThen(std::function<void()> whileOpen) {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &window, [this, &poll, whileOpen] {
            const bool passOver = !window.passRunning() && window.rows().at(0).status != "Waiting";
            if (window.isVisible() && passOver) {
                poll.stop();
                openAfterPass = true;
                whileOpen();
                window.close();
            }
        });
        poll.start(5);
        runUntilClosed();
    }

    static constexpr std::chrono::milliseconds kDelay{20};
    ui::AppServices makeServices() {
        ui::AppServices made = env.make();
        made.settings = &settings;
        return made;
    }

    UiTestServices env;
    core::SettingsRecord settings;
    ui::AppServices services = makeServices();
    ui::AddingWindow window{services, kDelay};
    ui::PleaseWaitWindow pleaseWait{core::TargetProgram::NetVampire};
    bool openAfterPass = false;
};

TEST_F(AddingWindowTest, LooksAsDesigned) {
    EXPECT_EQ(window.objectName(), QStringLiteral("TForm3"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Harvex"));
    EXPECT_EQ(window.size(), QSize(511, 298));
    auto* group = window.findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Add items to NetVamp"));
    QTreeView* view = list();
    ASSERT_NE(view, nullptr);
    const QStringList titles{QStringLiteral("URL"), QStringLiteral("Status"),
                             QStringLiteral("Target"), QStringLiteral("Index from Main")};
    for (int c = 0; c < titles.size(); ++c) {
        EXPECT_EQ(view->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    }
    EXPECT_TRUE(view->isColumnHidden(ui::AddingRowsModel::IndexColumn));
    EXPECT_TRUE(view->uniformRowHeights());
    EXPECT_FALSE(view->header()->sectionsClickable());
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(AddingWindowTest, TheListLeavesRoomForTheBarAtAnySize) {
    auto* group = window.findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    for (const QSize size : {QSize(511, 298), QSize(800, 600), QSize(300, 150)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        window.resize(size);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(bar->height(), 24);
        EXPECT_EQ(list()->height(), group->height() - 24 - 20) << size.height();
        EXPECT_LE(list()->geometry().bottom(), bar->geometry().top());
        EXPECT_LE(bar->geometry().bottom(), group->height());
    }
    window.hide();
}

TEST_F(AddingWindowTest, ColumnsGrowToTheirWidestText) {
    QTreeView* view = list();
    const int urlWidth = view->columnWidth(0);
    window.rows().setStatus(1, std::string(80, 'W'), RowPicture::Adding);
    EXPECT_GT(view->columnWidth(1), view->fontMetrics().horizontalAdvance(QString(80, u'W')));
    window.rows().append(std::string(200, 'u'), "", 3);
    EXPECT_GT(view->columnWidth(0), urlWidth);
}

TEST_F(AddingWindowTest, ALongUrlIsCutSoThatStatusAndTargetStayInSight) {
    window.rows().append("http://h/" + std::string(3000, 'u'), "/home/user/Downloads/uuu", 3);
    QTreeView* view = list();
    const auto rightEdge = [view](int column) {
        return view->header()->sectionViewportPosition(column) + view->columnWidth(column);
    };
    for (const QSize size : {QSize(511, 298), QSize(900, 400)}) {
        SCOPED_TRACE(size.width());
        window.resize(size);
        window.show();
        QApplication::processEvents();
        EXPECT_LE(rightEdge(ui::AddingRowsModel::TargetColumn), view->viewport()->width());
        EXPECT_GT(view->columnWidth(ui::AddingRowsModel::StatusColumn), 0);
        EXPECT_GE(view->columnWidth(ui::AddingRowsModel::UrlColumn), view->viewport()->width() / 2);
    }
    EXPECT_EQ(view->textElideMode(), Qt::ElideMiddle);
    // Cleared, the column fits a short URL again.
    window.rows().clear();
    window.rows().append("http://h/a.zip", "", 0);
    QApplication::processEvents();
    EXPECT_LT(view->columnWidth(ui::AddingRowsModel::UrlColumn), view->viewport()->width() / 2);
    window.hide();
}

TEST_F(AddingWindowTest, PicturesFollowTheTargetProgram) {
    const auto picture = [this] {
        return list()->model()->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
    };
    window.rows().setStatus(0, "Added", RowPicture::Added);
    const auto reGet = ui::StatePictures::stateSet(ui::PictureSet::ReGet);
    const auto netVampire = ui::StatePictures::stateSet(ui::PictureSet::NetVampire);
    EXPECT_EQ(picture(), netVampire[0].toImage());
    window.showTarget(core::TargetProgram::ReGet);
    EXPECT_EQ(picture(), reGet[0].toImage());
    EXPECT_NE(reGet[0].toImage(), netVampire[0].toImage());
    window.showTarget(core::TargetProgram::NetVampire3);
    EXPECT_EQ(picture(), netVampire[0].toImage());
}

TEST_F(AddingWindowTest, SwitchingPicturesDoesNotMeasureTheRowsAgain) {
    // A column the user narrowed by hand stays as it is: nothing was measured.
    QTreeView* view = list();
    view->setColumnWidth(0, 20);
    const int narrowed = view->columnWidth(0);
    window.showTarget(core::TargetProgram::ReGet);
    EXPECT_EQ(view->columnWidth(0), narrowed);
}

TEST_F(AddingWindowTest, ClosingBeforeTheStartWithdrawsThePass) {
    // A pass would ask for Net Vampire's folder: the scripted prompts fail on that box.
    QTimer::singleShot(0, &window, [this] { window.close(); });
    runUntilClosed();
    QTest::qWait(static_cast<int>(kDelay.count()) * 5);
    for (std::size_t r = 0; r < window.rows().count(); ++r) {
        EXPECT_EQ(window.rows().at(r).status, "Waiting");
    }
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(AddingWindowTest, APassOverNoRowsJustCloses) {
    window.rows().clear();
    runUntilClosed();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(AddingWindowTest, AClosePressedWhileTheTargetIsSilentClosesAtOnce) {
    installProgram();
    settings.nvdde = true;
    ScriptedDdeServer server(env.folder());
    server.script.add({});
    server.script.setDefault({ServerAnswer::Silent, {}});
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [this] {
        if (window.rows().at(1).picture == RowPicture::Adding) {
            window.close();
        }
    });
    poll.start(1);
    QElapsedTimer clock;
    clock.start();
    runUntilClosed();
    // Well inside the request's own time-out, with room for a slow machine.
    EXPECT_LT(clock.elapsed(), platform::SocketDdeClient::kRequestTimeout.count() / 2);
    EXPECT_EQ(window.rows().at(0).status, "Added");
    EXPECT_EQ(window.rows().at(1).status, "Not confirmed");
    EXPECT_EQ(window.rows().at(1).indexFromMain(), "31999");
    EXPECT_EQ(window.rows().at(2).status, "Waiting");
    EXPECT_EQ(settings.files, 1);
    EXPECT_FALSE(window.passRunning());
    EXPECT_FALSE(pleaseWait.isVisible());
}

TEST_F(AddingWindowTest, RealiFastSaysSoInTheCaption) {
    installProgram();
    settings.realiFast = true;
    runUntilClosed();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Harvex [RealiFast Mode]"));
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(bar->maximum(), 2);
    EXPECT_EQ(bar->value(), 2);
}

TEST_F(AddingWindowTest, AFailedWriteLeavesTheWindowOpenAtTheRow) {
    installProgram(false);
    const std::string failure =
        "Unable to write to " + env.folder() + "/nv/Data/State/A0000000.nvc";
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", failure + ".", {MessageButton::Ok},
                              MessageButton::Ok);
    runAndThen([this, &failure] {
        EXPECT_EQ(window.rows().at(0).status, "Failed - " + failure);
        EXPECT_EQ(window.rows().at(1).status, "Waiting");
        EXPECT_FALSE(pleaseWait.isVisible());
    });
    EXPECT_TRUE(openAfterPass);
}

TEST_F(AddingWindowTest, ThePleaseWaitWindowShowsTheConnectionStatus) {
    env.prompts.expectMessage(MessageIcon::Error, "No entry in Registry",
                              "Oops. Couldn't find NetVampire. Do you want to find it?",
                              {MessageButton::Yes, MessageButton::No}, MessageButton::No);
    env.prompts.expectMessage(MessageIcon::Error, "Error", "Net Vampire could not be found!",
                              {MessageButton::Ok}, MessageButton::Ok);
    bool shownWhileAsking = false;
    QPoint middle;
    env.prompts.onMessage = [this, &shownWhileAsking, &middle] {
        shownWhileAsking = pleaseWait.isVisible();
        middle = pleaseWait.frameGeometry().center();
    };
    window.move(230, 170);
    runUntilClosed();
    EXPECT_TRUE(shownWhileAsking);
    EXPECT_EQ(middle, window.frameGeometry().center());
    EXPECT_FALSE(pleaseWait.isVisible());
    EXPECT_EQ(window.rows().at(0).indexFromMain(), "31999");
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(AddingWindowTest, TheJobPollRunsOnlyWhileAutomaticRefreshIsOn) {
    auto* poll = window.findChild<QTimer*>(QStringLiteral("NVManagerTimer"));
    ASSERT_NE(poll, nullptr);
    EXPECT_FALSE(poll->isActive());
    window.jobManager().setAutoRefresh(true);
    EXPECT_TRUE(poll->isActive());
    EXPECT_EQ(poll->interval(), 2000);
    window.jobManager().setAutoRefresh(false);
    EXPECT_FALSE(poll->isActive());
}

} // namespace
} // namespace harvex2::test
