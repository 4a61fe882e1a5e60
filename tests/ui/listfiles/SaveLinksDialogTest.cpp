#include "ui/listfiles/SaveLinksDialog.h"

#include "support/ui/UiTestServices.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

class SaveLinksDialogTest : public testing::Test {
protected:
    template <class T> T* control(const char* name) const {
        T* found = dialog.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* radio) const {
        QTest::mouseClick(control<QRadioButton>(radio), Qt::LeftButton);
    }
    bool scopeEnabled(const char* radio) const { return control<QRadioButton>(radio)->isEnabled(); }

    test::UiTestServices env;
    AppServices services = env.make();
    SaveLinksDialog dialog{services};
};

TEST_F(SaveLinksDialogTest, StartsAsAListFileWithTheScopeDisabledAndTheNoteShown) {
    dialog.show();
    EXPECT_EQ(dialog.objectName(), u"TForm6");
    EXPECT_EQ(dialog.windowTitle(), u"Save Links");
    EXPECT_EQ(dialog.size(), QSize(281, 307));
    EXPECT_TRUE(control<QRadioButton>("radHarvex")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("RadioButton1")->isChecked());
    for (const char* radio : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
        EXPECT_FALSE(scopeEnabled(radio)) << radio;
    }
    EXPECT_TRUE(control<QLabel>("Label2")->isVisible());
    EXPECT_TRUE(control<QPushButton>("Button2")->isDefault());
    const core::SaveChoice choice = dialog.choice();
    EXPECT_EQ(choice.path, "");
    EXPECT_EQ(choice.format, core::SaveFormat::LinkList);
}

TEST_F(SaveLinksDialogTest, TheTypeEnablesTheScopeWhichKeepsItsChoiceWhileDisabled) {
    dialog.show();
    click("radHTML");
    EXPECT_TRUE(scopeEnabled("RadioButton2"));
    EXPECT_FALSE(control<QLabel>("Label2")->isVisible());
    click("RadioButton3");
    click("radHarvex");
    EXPECT_FALSE(scopeEnabled("RadioButton3"));
    EXPECT_TRUE(control<QLabel>("Label2")->isVisible());
    click("radText");
    EXPECT_TRUE(control<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_EQ(dialog.choice().format, core::SaveFormat::PlainText);
    EXPECT_EQ(dialog.choice().scope, core::SaveScope::Unselected);
}

TEST_F(SaveLinksDialogTest, PickingADownloadManagersFormChoosesItsListWithTheScope) {
    dialog.show();
    auto* forms = control<QComboBox>("cmbManager");
    forms->setCurrentIndex(2);
    emit forms->activated(2);
    EXPECT_TRUE(control<QRadioButton>("radManager")->isChecked());
    EXPECT_TRUE(scopeEnabled("RadioButton2"));
    EXPECT_EQ(dialog.choice().format, core::SaveFormat::CurlConfig);
}

TEST_F(SaveLinksDialogTest, BrowsingPutsTheChosenPathIntoTheFileNameAsIs) {
    control<QLineEdit>("Edit1")->setText(u"typed"_s);
    env.prompts.expectDialog("/data/links page");
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(dialog.choice().path, "/data/links page");
    const auto& request = env.prompts.dialogsShown().at(0);
    EXPECT_EQ(request.title, "Save HTML File...");
    EXPECT_EQ(request.initialPath, "typed");
    EXPECT_EQ(request.defaultExtension, "htm");
    EXPECT_EQ(request.filters.at(0).patterns, "*.htm; *.html");

    env.prompts.expectDialog(std::nullopt);
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(dialog.choice().path, "/data/links page");
}

} // namespace
} // namespace harvex2::ui
