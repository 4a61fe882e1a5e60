#include "ui/shell/EntrySelectionDialog.h"

#include "support/ui/MainWindowFixture.h"
#include "ui/shell/EntrySelectionNames.h"
#include "ui/shell/LinkListView.h"

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using Names = EntrySelectionNames;

constexpr WindowEntry kWindows[] = {
    {WindowSlot::SelectSpecial, "Select ", SplashLine::First, &makeEntrySelectionDialog},
};

class EntrySelectionDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        catalog = std::make_unique<WindowCatalog>(kWindows);
        MainWindowFixture::SetUp();
        catalog->create(kWindows[0], services);
        for (const char* text : {"http://h/photo.jpg", "http://h/photo.jpg?size=2",
                                 "http://h/photo.jpeg", "http://h/a.zip", "http://h/File"}) {
            window->links().append(text);
        }
        window->links().setChecked(3, true);
    }

    QWidget* dialog() const { return catalog->window(WindowSlot::SelectSpecial); }
    template <class T> T* control(const char* name) const {
        T* found = dialog()->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) const {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void type(const char* name, const QString& text) const {
        QWidget* target = control<QWidget>(name);
        if (auto* box = qobject_cast<QComboBox*>(target)) {
            target = box->lineEdit();
        }
        QTest::keyClicks(target, text);
    }

    // Opens the dialog modally through a menu item and runs the steps inside it.
    void run(const char* menuItem, const std::function<void()>& steps) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = QApplication::activeModalWidget() == dialog();
            steps();
        });
        action(menuItem)->trigger();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(dialog()->isVisible());
    }

    std::string listState() const {
        std::string state;
        for (std::size_t i = 0; i < window->links().count(); ++i) {
            state += window->links().checkedAt(i) ? '+' : '-';
        }
        return state;
    }
};

TEST_F(EntrySelectionDialogTest, OpensWithTheDesignStateAndBothBoxesEnabled) {
    EXPECT_EQ(dialog()->objectName(), u"TForm5");
    EXPECT_EQ(dialog()->windowTitle(), u"Select Special");
    EXPECT_EQ(control<QGroupBox>(Names::kDeselectGroup)->title(), u"First, deselect");
    EXPECT_EQ(control<QGroupBox>(Names::kSelectGroup)->title(), u"Then, select");
    EXPECT_TRUE(control<QRadioButton>(Names::kDeselectEverything)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(Names::kByExtension)->isChecked());
    auto* extension = control<QComboBox>(Names::kExtension);
    QStringList items;
    for (int i = 0; i < extension->count(); ++i) {
        items << extension->itemText(i);
    }
    EXPECT_EQ(items.join(u' '),
              u".jpg .jpeg .gif .zip .tar .z .doc .txt .htm .html .adf .bmp .png");
    EXPECT_TRUE(extension->currentText().isEmpty());
    EXPECT_TRUE(extension->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(Names::kText)->isEnabled());
}

TEST_F(EntrySelectionDialogTest, EachRadioEnablesItsBoxAndDisablesTheOther) {
    dialog()->show();
    auto* extension = control<QComboBox>(Names::kExtension);
    auto* text = control<QLineEdit>(Names::kText);
    click(Names::kByText);
    EXPECT_TRUE(text->isEnabled());
    EXPECT_FALSE(extension->isEnabled());
    click(Names::kByExtension);
    EXPECT_TRUE(extension->isEnabled());
    EXPECT_FALSE(text->isEnabled());
    dialog()->hide();
}

TEST_F(EntrySelectionDialogTest, BothMenuItemsRunTheRuleAndTheDialogKeepsItsChoices) {
    run("Selectspecial1", [&] {
        click(Names::kDeselectNothing);
        type(Names::kExtension, u"*.JPG"_s);
        click(Names::kOk);
    });
    EXPECT_EQ(control<QComboBox>(Names::kExtension)->currentText(), u".JPG");
    EXPECT_EQ(listState(), "+--+-");

    run("Selectspecial2", [&] {
        EXPECT_TRUE(control<QRadioButton>(Names::kDeselectNothing)->isChecked());
        click(Names::kByText);
        type(Names::kText, u"file"_s);
        click(Names::kDeselectEverything);
        QTest::keyClick(control<QLineEdit>(Names::kText), Qt::Key_Return);
    });
    EXPECT_EQ(listState(), "----+");
    EXPECT_EQ(control<QComboBox>(Names::kExtension)->currentText(), u".JPG");
    EXPECT_FALSE(control<QComboBox>(Names::kExtension)->isEnabled());
}

TEST_F(EntrySelectionDialogTest, CancelAndEscapeChangeNothingButKeepWhatWasTyped) {
    run("Selectspecial1", [&] {
        type(Names::kExtension, u"zip"_s);
        click(Names::kCancel);
    });
    run("Selectspecial1",
        [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(listState(), "---+-");
    EXPECT_EQ(control<QComboBox>(Names::kExtension)->currentText(), u"zip");
    run("Selectspecial1", [&] { click(Names::kOk); });
    EXPECT_EQ(control<QComboBox>(Names::kExtension)->currentText(), u".zip");
    EXPECT_EQ(listState(), "---+-");
}

TEST_F(EntrySelectionDialogTest, AStarAloneLeavesTheBoxEmptyAndMatchesEntriesWithoutExtension) {
    run("Selectspecial1", [&] {
        type(Names::kExtension, u"*"_s);
        click(Names::kOk);
    });
    EXPECT_TRUE(control<QComboBox>(Names::kExtension)->currentText().isEmpty());
    EXPECT_EQ(listState(), "----+");
}

TEST_F(EntrySelectionDialogTest, TheViewHearsOfTheWholeChangeOnce) {
    for (int i = 0; i < 1000; ++i) {
        window->links().append(i % 3 == 0 ? "http://h/a.gif" : "http://h/a.png");
    }
    QSignalSpy changed(child<LinkListView>("CheckListBox1")->model(),
                       &QAbstractItemModel::dataChanged);
    run("Selectspecial1", [&] {
        type(Names::kExtension, u"gif"_s);
        click(Names::kOk);
    });
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(window->links().checkedAt(1003), false);
    EXPECT_EQ(window->links().checkedAt(1004), true);
}

} // namespace
} // namespace harvex2::ui
