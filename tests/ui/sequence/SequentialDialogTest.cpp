#include "SequenceFixture.h"
#include "core/handoff/DownloadTarget.h"
#include "core/shell/MruHistory.h"
#include "ui/sequence/SequencePreviewModel.h"
#include "ui/sequence/SpinButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;
using ::testing::ElementsAre;

constexpr char kSep = core::DownloadTarget::kSeparator;

class SequentialDialogTest : public SequenceFixture {
protected:
    void fill(const QString& url, const QString& start, const QString& goTo) const {
        type("Edit1", url);
        type("Edit2", start);
        type("Edit3", goTo);
    }
    QStringList comboItems(const char* name) const {
        QStringList items;
        auto* box = control<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i) {
            items << box->itemText(i);
        }
        return items;
    }
    std::vector<std::pair<std::string, std::string>> previewRows() const {
        std::vector<std::pair<std::string, std::string>> rows;
        const core::PreviewRows& preview = dialog()->preview().rows();
        for (std::size_t r = 0; r < preview.count(); ++r) {
            rows.emplace_back(preview.url(r), preview.downloadTo(r));
        }
        return rows;
    }
    bool enabled(const char* name) const { return control<QWidget>(name)->isEnabled(); }
};

TEST_F(SequentialDialogTest, StartsWithTheDesignedControlsAndValues) {
    ui::SequentialDialog& d = *dialog();
    EXPECT_EQ(d.objectName(), u"TForm4"_s);
    EXPECT_EQ(d.windowTitle(), u"Add Sequential Files"_s);
    EXPECT_EQ(d.size(), QSize(555, 351));
    EXPECT_EQ(comboItems("ComboBox1"), (QStringList{u"|"_s, u"#"_s, u"~"_s, u"^"_s}));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(d.fields(), core::SequenceFields{});
    EXPECT_TRUE(control<QComboBox>("Edit1")->isEditable());
    EXPECT_TRUE(control<QComboBox>("Edit5")->isEditable());
    auto* preview = control<QTableView>("ListBox1");
    EXPECT_EQ(preview->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_FALSE(preview->horizontalHeader()->sectionsClickable());
    EXPECT_EQ(preview->model()->headerData(0, Qt::Horizontal).toString(), u"URL"_s);
    EXPECT_EQ(preview->model()->headerData(1, Qt::Horizontal).toString(), u"Download to"_s);
    EXPECT_TRUE(control<QLabel>("Label5")->isHidden());
    EXPECT_EQ(control<QLabel>("Label5")->text(), u"Please wait..."_s);
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->maximum(), 100);
    EXPECT_TRUE(control<QPushButton>("Button1")->isDefault());
    const std::pair<const char*, const char*> captions[] = {
        {"Button1", "Add"},  {"Button2", "Close"},   {"Button3", "..."},
        {"Button4", "Test"}, {"Button5", "Save..."}, {"Button6", "Load..."}};
    for (const auto& [name, caption] : captions) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control<QPushButton>(name)->text(), QLatin1StringView(caption));
    }
    QStringList tabOrder;
    QWidget* widget = control<QWidget>("Edit1");
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()) {
            tabOrder << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != control<QWidget>("Edit1"));
    EXPECT_EQ(tabOrder.join(u' '), u"Edit1 ComboBox1 Edit5 Button3 CheckBox1 Edit4 RadioButton1 "
                                   u"RadioButton2 Edit2 Edit3 Edit6 ListBox1 Button4 Button1 "
                                   u"Button2 Button5 Button6 CheckBox2"_s);
}

TEST_F(SequentialDialogTest, SpinButtonsStepWithinTheirRangeButEditsTakeAnyText) {
    const struct {
        const char* edit;
        const char* spin;
        QString typed;
        int delta;
        QString expected;
    } rows[] = {
        {"Edit2", "UpDown1", u"0"_s, 1, u"1"_s},         {"Edit2", "UpDown1", u"0"_s, -1, u"0"_s},
        {"Edit3", "UpDown2", u"40000"_s, 1, u"32767"_s}, {"Edit6", "UpDown4", u"1"_s, -1, u"1"_s},
        {"Edit6", "UpDown4", u"255"_s, 1, u"255"_s},     {"Edit4", "UpDown3", u"99"_s, 1, u"100"_s},
        {"Edit2", "UpDown1", u"$10"_s, 1, u"17"_s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.edit) + " " + row.typed.toStdString());
        type(row.edit, row.typed);
        control<ui::SpinButtons>(row.spin)->stepBy(row.delta);
        EXPECT_EQ(control<QLineEdit>(row.edit)->text(), row.expected) << row.edit;
    }
    type("Edit2", u"abc"_s);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), u"abc"_s);
    QTest::keyClick(control<QLineEdit>("Edit2"), Qt::Key_Up);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), u"18"_s);
}

TEST_F(SequentialDialogTest, TestPreviewsEveryUrlWithItsDownloadPath) {
    fill(u"http://h/x/img|.jpg"_s, u"998"_s, u"1001"_s);
    control<QCheckBox>("CheckBox1")->setChecked(true);
    type("Edit4", u"3"_s);
    click("Button4");
    waitForRun();
    EXPECT_THAT(previewRows(), ElementsAre(std::pair{"http://h/x/img998.jpg", ""},
                                           std::pair{"http://h/x/img999.jpg", ""},
                                           std::pair{"http://h/x/img1000.jpg", ""},
                                           std::pair{"http://h/x/img1001.jpg", ""}));
    for (const QString& dir : {u"/dl"_s, u"/dl/"_s}) {
        SCOPED_TRACE(dir.toStdString());
        type("Edit5", dir);
        fill(u"files/x/file|.zip"_s, u"7"_s, u"7"_s);
        click("Button4");
        waitForRun();
        EXPECT_THAT(previewRows(),
                    ElementsAre(std::pair{"files/x/file007.zip",
                                          std::string("/dl") + kSep + "file007.zip"}));
    }
    auto* preview = control<QTableView>("ListBox1");
    EXPECT_EQ(preview->model()->rowCount(), 1);
    EXPECT_GT(preview->horizontalHeader()->sectionSize(0),
              preview->fontMetrics().horizontalAdvance(u"files/x/file007.zip"_s));
    EXPECT_TRUE(control<QLabel>("Label5")->isHidden());
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_EQ(window->links().count(), 0u);
    EXPECT_EQ(adding()->runs, 0);

    control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", "Can't find the digit position marker",
                              {MessageButton::Ok}, MessageButton::Ok);
    click("Button4");
    EXPECT_EQ(preview->model()->rowCount(), 0);
    EXPECT_TRUE(control<QLabel>("Label5")->isHidden());
}

TEST_F(SequentialDialogTest, AddFillsTheAddingWindowThenRemembersAndCloses) {
    dialog()->show();
    fill(u"http://h/f|.jpg"_s, u"1"_s, u"3"_s);
    std::vector<std::string> targets;
    adding()->pass = [&](core::AddingRows& rows) {
        for (std::size_t r = 0; r < rows.count(); ++r) {
            targets.push_back(rows.at(r).target() + "|" + rows.at(r).indexFromMain());
        }
    };
    click("Button1");
    waitForRun();
    EXPECT_EQ(adding()->runs, 1);
    EXPECT_THAT(targets, ElementsAre(" |0", " |0", " |0"));
    EXPECT_EQ(adding()->rows().at(2).url, "http://h/f3.jpg");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(dialog()->result(), QDialog::Accepted);
    EXPECT_THAT(core::MruHistory::load(env.userFileStore, core::mru::kSeqUrl),
                ElementsAre("http://h/f|.jpg"));
    EXPECT_EQ(comboItems("Edit1"), QStringList{u"http://h/f|.jpg"_s});

    window->settings().acas = false;
    dialog()->show();
    control<QRadioButton>("RadioButton2")->setChecked(true);
    type("Edit5", u"/dl"_s);
    env.prompts.expectMessage(MessageIcon::Question, "Add Sequence to Harvex",
                              "Copy download directory from Add Sequence window\r\nto main window?",
                              {MessageButton::Yes, MessageButton::No}, MessageButton::Yes);
    click("Button1");
    waitForRun();
    EXPECT_EQ(window->links().count(), 3u);
    EXPECT_FALSE(window->links().checkedAt(2));
    EXPECT_EQ(window->directoryBox()->currentText(), u"/dl"_s);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), u"3"_s);
    EXPECT_EQ(adding()->runs, 1);
}

TEST_F(SequentialDialogTest, ARunMovesItsProgressAndLocksWhatItMustNotChange) {
    fill(u"u|"_s, u"0"_s, u"30000"_s);
    control<QRadioButton>("RadioButton2")->setChecked(true);
    std::vector<int> progress;
    QObject::connect(control<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged,
                     [&](int value) { progress.push_back(value); });
    dialog()->show();
    click("Button1");
    std::vector<QString> open;
    for (const char* name : {"Label5", "Edit1", "Edit2", "Edit3", "Edit6", "Edit5", "Button1",
                             "Button2", "Button4", "Button5", "Button6"}) {
        if (control<QWidget>(name)->isVisibleTo(dialog()) && enabled(name)) {
            open.push_back(QLatin1StringView(name));
        }
    }
    EXPECT_EQ(open, (std::vector<QString>{u"Label5"_s, u"Edit5"_s}));
    // Escape must not close the dialog in the middle of a run.
    dialog()->reject();
    EXPECT_TRUE(dialog()->isVisible());
    waitForRun();
    EXPECT_GT(progress.size(), 3u);
    EXPECT_EQ(window->links().count(), 30001u);
    EXPECT_FALSE(dialog()->isVisible()); // closed by ACAS, not by Escape
    for (const char* name : {"Edit1", "Edit2", "Button1", "Button2", "Button4"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(enabled(name)) << name;
    }
}

TEST_F(SequentialDialogTest, ClosingTheProgramDuringAnAddHandsNothingOn) {
    fill(u"u|"_s, u"0"_s, u"30000"_s);
    dialog()->show();
    click("Button1");
    window->close();
    waitForRun();
    EXPECT_EQ(adding()->runs, 0);
    EXPECT_EQ(adding()->rows().count(), 0u);
    EXPECT_TRUE(enabled("Button1"));
    EXPECT_TRUE(core::MruHistory::load(env.userFileStore, core::mru::kSeqUrl).empty());
}

TEST_F(SequentialDialogTest, FieldsThatCannotBeReadStopTheRunAndUnlockTheDialog) {
    fill(u"u|"_s, u"1"_s, u"x5"_s);
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", "'x5' is not a valid integer value.",
                              {MessageButton::Ok}, MessageButton::Ok);
    click("Button1");
    type("Edit3", u"0"_s);
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "The range holds no numbers: Go to (0) is less than Start at (1).",
                              {MessageButton::Ok}, MessageButton::Ok);
    click("Button1");
    EXPECT_EQ(adding()->runs, 0);
    EXPECT_TRUE(enabled("Edit1") && enabled("Button1") && enabled("Button2"));
    EXPECT_TRUE(control<QLabel>("Label5")->isHidden());
    EXPECT_FALSE(env.userFileStore.keyExists(core::mru::kSeqUrl.key));
}

TEST_F(SequentialDialogTest, HistoriesKeepFourTemplatesAndShowSorted) {
    window->settings().acas = false;
    for (const QString& url : {u"g|"_s, u"F|"_s, u"e|"_s, u"d|"_s, u"c|"_s, u"B|"_s, u"a|"_s}) {
        fill(url, u"1"_s, u"1"_s);
        click("Button1");
        waitForRun();
    }
    EXPECT_EQ(comboItems("Edit1"), (QStringList{u"a|"_s, u"B|"_s, u"c|"_s, u"d|"_s}));
    core::MruHistory::save(env.userFileStore, core::mru::kSeqUrl, {"d|", "a|", "B|"}, "c|");
    core::MruHistory::save(env.userFileStore, core::mru::kSeqDir, {"/z", "/A"}, "/m");
    dialog()->show();
    EXPECT_EQ(comboItems("Edit1"), (QStringList{u"a|"_s, u"B|"_s, u"c|"_s, u"d|"_s}));
    EXPECT_EQ(comboItems("Edit5"), (QStringList{u"/A"_s, u"/m"_s, u"/z"_s}));
    EXPECT_EQ(control<QComboBox>("Edit1")->currentText(), u"a|"_s);
}

TEST_F(SequentialDialogTest, TheFirstUrlIsShownUnderTheTemplate) {
    auto* example = control<QLabel>("Label7");
    fill(u"http://h/pics/img|.jpg"_s, u"7"_s, u"9"_s);
    EXPECT_EQ(example->text(), u"First URL: http://h/pics/img7.jpg"_s);
    control<QCheckBox>("CheckBox1")->setChecked(true);
    type("Edit4", u"3"_s);
    EXPECT_EQ(example->text(), u"First URL: http://h/pics/img007.jpg"_s);
    type("Edit4", u"three"_s);
    EXPECT_EQ(example->text(), u""_s);
    type("Edit4", u"3"_s);
    type("Edit1", u"http://very.long.host.example.com/a/long/path/to/pictures/img|.jpg"_s);
    EXPECT_TRUE(example->text().endsWith(u"img007.jpg"_s));
    EXPECT_TRUE(example->text().contains(QChar(0x2026)));
    EXPECT_EQ(example->toolTip(),
              u"http://very.long.host.example.com/a/long/path/to/pictures/img007.jpg"_s);
    EXPECT_TRUE(example->isVisibleTo(dialog()));
}

TEST_F(SequentialDialogTest, BrowseFillsTheDirectoryOnlyOnOk) {
    type("Edit5", u"/old"_s);
    click("Button3");
    EXPECT_EQ(control<QComboBox>("Edit5")->currentText(), u"/old"_s);
    browser()->answer = "/new/place";
    click("Button3");
    EXPECT_EQ(control<QComboBox>("Edit5")->currentText(), u"/new/place"_s);
    EXPECT_EQ(browser()->opened, 2);
}

TEST_F(SequentialDialogTest, TheMainWindowOpensTheDialog) {
    whenModal([](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), u"TForm4"_s);
        static_cast<QDialog&>(modal).reject();
    });
    action("Addsequence1")->trigger();
    EXPECT_FALSE(dialog()->isVisible());
}

} // namespace
} // namespace harvex2::test
