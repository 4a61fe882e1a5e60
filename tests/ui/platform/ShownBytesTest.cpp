#include "ui/platform/ShownBytes.h"

#include "ui/handoff/ComboHistoryBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

using namespace Qt::StringLiterals;

// Key presses that carry any character, as a keyboard layout of the user's language sends.
void type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TEST(ShownBytesTest, ALineEditGivesBackItsBytesAndKeepsTheirFormForEdits) {
    QLineEdit edit;
    ShownBytes::show(edit, "/home/j\xF6rg/\x81\x9D");
    EXPECT_EQ(edit.text(), u"/home/j\u00F6rg/\u0081\u009D"_s);
    EXPECT_EQ(ShownBytes::read(edit), "/home/j\xF6rg/\x81\x9D");

    QTest::keyClick(&edit, Qt::Key_End);
    type(edit, u"\u00E9\u20AC"_s);
    EXPECT_EQ(ShownBytes::read(edit), "/home/j\xF6rg/\x81\x9D\xE9\x80");
    type(edit, u"\u65E5"_s);
    EXPECT_EQ(ShownBytes::read(edit),
              "/home/j\xC3\xB6rg/\xC2\x81\xC2\x9D\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5");

    ShownBytes::show(edit, "caf\xC3\xA9");
    type(edit, u"\u00E9"_s);
    EXPECT_EQ(ShownBytes::read(edit), "caf\xC3\xA9\xC3\xA9");
}

// Two entries that look alike: the one picked is the one that goes back.
TEST(ShownBytesTest, AnEntryPickedFromAHistoryGoesBackAsItsOwnBytes) {
    QComboBox box;
    box.setEditable(true);
    ComboHistoryBox history(box);
    history.setEntries({"caf\xC3\xA9", "caf\xE9", "plain"});
    EXPECT_EQ(box.itemText(0), box.itemText(1));
    EXPECT_EQ(history.text(), "");
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));

    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(history.text(), "caf\xC3\xA9");
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(history.text(), "caf\xE9");
    type(*box.lineEdit(), u"s"_s);
    EXPECT_EQ(history.text(), "caf\xE9s");

    // The typed text survives the list being replaced, bytes and all.
    history.setEntries({"new"});
    EXPECT_EQ(box.currentText(), u"caf\u00E9s"_s);
    EXPECT_EQ(history.text(), "caf\xE9s");
    EXPECT_EQ(history.entries(), std::vector<std::string>{"new"});

    history.setEntries({"caf\xC3\xA9", "caf\xE9"});
    box.setCurrentIndex(0);
    EXPECT_EQ(history.text(), "caf\xC3\xA9");
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"caf\xC3\xA9", "caf\xE9"}));
}

} // namespace
} // namespace harvex2::ui
