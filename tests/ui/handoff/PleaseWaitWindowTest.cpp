#include "ui/handoff/PleaseWaitWindow.h"

#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

QLabel* label(const ui::PleaseWaitWindow& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1StringView(name));
}

TEST(PleaseWaitWindowTest, LooksAsDesigned) {
    ui::PleaseWaitWindow window(core::TargetProgram::NetVampire);
    EXPECT_EQ(window.objectName(), QStringLiteral("TForm8"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_EQ(window.size(), QSize(339, 61));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(label(window, "Label1")->text(), QStringLiteral("<Status>"));
    EXPECT_EQ(label(window, "Image1")->size(), QSize(32, 32));
}

TEST(PleaseWaitWindowTest, ShowsTheIconOfTheTargetProgram) {
    ui::PleaseWaitWindow window(core::TargetProgram::ReGet);
    EXPECT_FALSE(label(window, "Image2")->isHidden());
    EXPECT_TRUE(label(window, "Image1")->isHidden());
    for (const int mode : {0, 2, 5}) {
        SCOPED_TRACE(mode);
        window.showTarget(core::TargetProgram{mode});
        EXPECT_FALSE(label(window, "Image1")->isHidden()) << mode;
        EXPECT_TRUE(label(window, "Image2")->isHidden()) << mode;
    }
}

TEST(PleaseWaitWindowTest, TheStatusLineShowsTextAsItIs) {
    ui::PleaseWaitWindow window(core::TargetProgram::NetVampire);
    window.setStatus("Connecting to NetVampire...");
    EXPECT_EQ(label(window, "Label1")->text(), QStringLiteral("Connecting to NetVampire..."));
    EXPECT_EQ(label(window, "Label1")->textFormat(), Qt::PlainText);
}

TEST(PleaseWaitWindowTest, ShowsOverTheMiddleOfItsOwnerAndKeepsOnTheScreen) {
    QWidget owner;
    owner.setGeometry(420, 260, 300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    ui::PleaseWaitWindow window(core::TargetProgram::NetVampire);
    window.showOver(owner);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.frameGeometry().center(), owner.frameGeometry().center());
    EXPECT_EQ(window.geometry(), QRect(400, 329, 339, 61));

    // An owner hanging over the screen's corner puts the window into the corner instead.
    const QRect screen = owner.screen()->availableGeometry();
    owner.move(screen.right() - 100, screen.bottom() - 50);
    window.showOver(owner);
    EXPECT_EQ(window.frameGeometry().bottomRight(), screen.bottomRight());
}

} // namespace
} // namespace harvex2::test
