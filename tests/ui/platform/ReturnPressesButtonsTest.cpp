#include "ui/platform/ReturnPressesButtons.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

// Counts the presses of a focused button of a plain window and of a dialog, whose default
// button Qt already presses on Return: it must not be pressed twice.
TEST(ReturnPressesButtonsTest, ReturnAndEnterPressTheFocusedButtonOnce) {
    ReturnPressesButtons filter;
    qApp->installEventFilter(&filter);
    QWidget window;
    QDialog dialog;
    for (QWidget* top : {&window, static_cast<QWidget*>(&dialog)}) {
        auto* layout = new QVBoxLayout(top);
        auto* button = new QPushButton(top);
        layout->addWidget(button);
        top->show();
        button->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        QSignalSpy clicks(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(clicks.count(), 2);
        // A held key presses once.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(button, &repeat);
        EXPECT_EQ(clicks.count(), 2);
        top->hide();
    }
    qApp->removeEventFilter(&filter);
}

} // namespace
} // namespace harvex2::ui
