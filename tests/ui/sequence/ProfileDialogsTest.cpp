#include "SequenceFixture.h"
#include "core/sequence/SequenceProfiles.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;
using ::testing::ElementsAre;

class ProfileDialogsTest : public SequenceFixture {
protected:
    static core::SequenceFields gallery() {
        return {"http://h/g^.jpg", 3, "/pics", true, "4", false, "10", "x20", "5"};
    }
    // "Save..." with `name` typed into the save dialog, pressing OK.
    void saveAs(const QString& name) {
        whenModal([name](QWidget& modal) {
            EXPECT_EQ(modal.objectName(), u"TfrmSaveProfile"_s);
            modal.findChild<QLineEdit*>(u"txtProfileName"_s)->setText(name);
            QTest::mouseClick(modal.findChild<QPushButton*>(u"OKBtn"_s), Qt::LeftButton);
        });
        click("Button5");
    }
    // "Load..." and `act` on the load dialog.
    void load(std::function<void(QWidget&)> act) {
        whenModal([act = std::move(act)](QWidget& modal) {
            EXPECT_EQ(modal.objectName(), u"TfrmSettingsList"_s);
            act(modal);
        });
        click("Button6");
    }
    static QListWidget& list(QWidget& modal) {
        return *modal.findChild<QListWidget*>(u"ListBox1"_s);
    }
    static void press(QWidget& modal, const char* button) {
        QTest::mouseClick(modal.findChild<QPushButton*>(QLatin1StringView(button)), Qt::LeftButton);
    }
    static QStringList names(QWidget& modal) {
        QStringList shown;
        for (int i = 0; i < list(modal).count(); ++i) {
            shown << list(modal).item(i)->text();
        }
        return shown;
    }
};

TEST_F(ProfileDialogsTest, AProfileBringsBackAllNineFields) {
    dialog()->setFields(gallery());
    saveAs(u"Gallery"_s);
    dialog()->setFields({});
    load([](QWidget& modal) {
        EXPECT_EQ(names(modal), QStringList{u"Gallery"_s});
        EXPECT_TRUE(list(modal).item(0)->isSelected());
        press(modal, "OKBtn");
    });
    EXPECT_EQ(dialog()->fields(), gallery());

    // The same name again overwrites; a double-click loads.
    core::SequenceFields second = gallery();
    second.url = "ftp://x/|";
    second.charDigit = 0;
    dialog()->setFields(second);
    saveAs(u"Gallery"_s);
    dialog()->setFields({});
    load([](QWidget& modal) {
        EXPECT_EQ(list(modal).count(), 1);
        auto* item = list(modal).item(0);
        list(modal).scrollToItem(item); // lays the items out
        const QPoint at = list(modal).visualItemRect(item).center();
        // A double click follows a press, as a mouse sends it.
        QTest::mouseClick(list(modal).viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list(modal).viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(dialog()->fields(), second);
}

TEST_F(ProfileDialogsTest, EmptyNamesAndBackslashesAreRefusedInTheDialog) {
    env.prompts.expectMessage(MessageIcon::Warning, "Save Sequential profile",
                              "Please enter a name for the profile.", {MessageButton::Ok},
                              MessageButton::Ok);
    env.prompts.expectMessage(MessageIcon::Warning, "Save Sequential profile",
                              "A profile name cannot contain \"\\\".", {MessageButton::Ok},
                              MessageButton::Ok);
    whenModal([](QWidget& modal) {
        auto* name = modal.findChild<QLineEdit*>(u"txtProfileName"_s);
        for (const QString& refused : {u""_s, u"a\\b"_s}) {
            SCOPED_TRACE(refused.toStdString());
            name->setText(refused);
            press(modal, "OKBtn");
            EXPECT_TRUE(modal.isVisible());
        }
        press(modal, "CancelBtn");
    });
    click("Button5");
    EXPECT_FALSE(env.userFileStore.keyExists(core::SequenceProfiles::kProfilesKey));
}

TEST_F(ProfileDialogsTest, DeletingEmptiesTheListAndDisablesOk) {
    saveAs(u"only"_s);
    env.prompts.expectMessage(MessageIcon::Warning, "Cannot Delete",
                              "You need to select an enty first.", {MessageButton::Ok},
                              MessageButton::Ok);
    const core::SequenceFields before = dialog()->fields();
    load([](QWidget& modal) {
        press(modal, "Button1");
        EXPECT_EQ(list(modal).count(), 0);
        EXPECT_FALSE(modal.findChild<QPushButton*>(u"OKBtn"_s)->isEnabled());
        press(modal, "Button1");
        press(modal, "CancelBtn");
    });
    EXPECT_EQ(dialog()->fields(), before);
    EXPECT_THAT(core::SequenceProfiles::names(env.userFileStore), ::testing::IsEmpty());
}

TEST_F(ProfileDialogsTest, AProfileGoneBehindTheListGivesTheFailureBoxes) {
    saveAs(u"a"_s);
    saveAs(u"b"_s);
    env.prompts.expectMessage(MessageIcon::Error, "Delete failed",
                              "Failed to delete Key from registry", {MessageButton::Ok},
                              MessageButton::Ok);
    env.prompts.expectMessage(MessageIcon::Error, "Load failed",
                              "Couldn't open key to load settings", {MessageButton::Ok},
                              MessageButton::Ok);
    load([this](QWidget& modal) {
        core::SequenceProfiles::remove(env.userFileStore, "a");
        press(modal, "Button1");
        EXPECT_EQ(names(modal), QStringList{u"b"_s});
        core::SequenceProfiles::remove(env.userFileStore, "b");
        press(modal, "OKBtn");
    });
}

TEST_F(ProfileDialogsTest, BrokenProfilesLoadUpToTheirFault) {
    ASSERT_TRUE(env.userFileStore.openKey(core::SequenceProfiles::kProfilesKey + "\\old", true));
    env.userFileStore.writeString("URL", "u|");
    env.userFileStore.writeInteger("CharDigit", 7);
    env.userFileStore.writeInteger("Zeros", 0);
    env.userFileStore.writeString("Start", "abc");
    env.userFileStore.writeInteger("NV", 1);
    env.userFileStore.closeKey();
    load([](QWidget& modal) { press(modal, "OKBtn"); });
    core::SequenceFields expected;
    expected.url = "u|";
    expected.charDigit = -1;
    expected.zerosCount = "";
    expected.start = "abc";
    expected.end = "";
    EXPECT_EQ(dialog()->fields(), expected) << "a missing Step loads as 1";

    env.userFileStore.openKey(core::SequenceProfiles::kProfilesKey + "\\old", false);
    env.userFileStore.deleteValue("Zeros");
    env.userFileStore.closeKey();
    dialog()->setFields(gallery());
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", "Failed to get data for 'Zeros'.",
                              {MessageButton::Ok}, MessageButton::Ok);
    load([](QWidget& modal) { press(modal, "OKBtn"); });
    EXPECT_EQ(dialog()->fields().url, "u|");
    EXPECT_EQ(dialog()->fields().downloadDir, "");
    EXPECT_EQ(dialog()->fields().zeros, true);
    EXPECT_EQ(dialog()->fields().start, "10");
}

TEST_F(ProfileDialogsTest, AStoreThatRefusesShowsTheFirstValue) {
    env.userStore.failWrites(true);
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", "Failed to set data for 'URL'.",
                              {MessageButton::Ok}, MessageButton::Ok);
    saveAs(u"Gallery"_s);
    EXPECT_EQ(env.userStore.writesOf("URL"), 0);
}

} // namespace
} // namespace harvex2::test
