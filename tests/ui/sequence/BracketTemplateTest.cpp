#include "SequenceFixture.h"
#include "ui/shell/LinkListView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;

class BracketTemplateTest : public SequenceFixture {
protected:
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    bool enabled(const char* name) const { return control<QWidget>(name)->isEnabled(); }
};

TEST_F(BracketTemplateTest, TheCheckBoxSwitchesFieldsAndShowsCountFirstAndLast) {
    const char* markerFields[] = {"ComboBox1", "Edit2", "Edit3", "Edit6", "CheckBox1", "Edit4"};
    control<QCheckBox>("CheckBox2")->setChecked(true);
    for (const char* name : markerFields) {
        EXPECT_FALSE(enabled(name)) << name;
    }
    type("Edit1", u"http://h/[1-1000000000].jpg"_s);
    EXPECT_EQ(text("Label10"), u"1,000,000,000 URLs"_s);
    EXPECT_EQ(text("Label7"), u"First URL: http://h/1.jpg"_s);
    EXPECT_EQ(text("Label11"), u"Last URL: http://h/1000000000.jpg"_s);
    type("Edit1", u"http://h/[9-1]"_s);
    EXPECT_EQ(text("Label7"), u"bad range at position 15"_s);
    EXPECT_EQ(text("Label10"), u""_s);

    control<QCheckBox>("CheckBox2")->setChecked(false);
    for (const char* name : markerFields) {
        EXPECT_TRUE(enabled(name)) << name;
    }
    EXPECT_EQ(text("Label11"), u""_s);
}

TEST_F(BracketTemplateTest, AddingMoreThanTenThousandAsksFirst) {
    window->settings().acas = false;
    control<QCheckBox>("CheckBox2")->setChecked(true);
    control<QRadioButton>("RadioButton2")->setChecked(true);
    type("Edit1", u"u[1-10000]{a}"_s);
    click("Button1");
    waitForRun();
    EXPECT_EQ(window->links().count(), 10'000u);
    EXPECT_EQ(window->links().textAt(9'999), "u10000a");

    window->links().clear();
    type("Edit1", u"u[1-10001]"_s);
    env.prompts.expectMessage(MessageIcon::Question, "Add Sequential Files", "Add 10,001 URLs?",
                              {MessageButton::Yes, MessageButton::No}, MessageButton::No);
    click("Button1");
    EXPECT_EQ(window->links().count(), 0u);
    EXPECT_TRUE(enabled("Button1"));
}

TEST_F(BracketTemplateTest, ThePopUpMenuMakesATemplateFromTheCurrentEntry) {
    window->links().append("http://h/a/img042.jpg");
    auto* list = child<ui::LinkListView>("CheckListBox1");
    list->setCurrentIndex(list->model()->index(0, 0));
    whenModal([this](QWidget& modal) {
        EXPECT_EQ(&modal, dialog());
        EXPECT_EQ(control<QComboBox>("Edit1")->currentText(), u"http://h/a/img[042-042].jpg"_s);
        EXPECT_TRUE(control<QCheckBox>("CheckBox2")->isChecked());
        dialog()->reject();
    });
    action("Maketemplatefromthisurl1")->trigger();
    EXPECT_FALSE(dialog()->isVisible());
}

} // namespace
} // namespace harvex2::test
