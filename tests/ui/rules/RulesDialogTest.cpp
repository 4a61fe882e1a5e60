#include "ui/rules/RulesDialog.h"

#include "core/ledger/LedgerKeeper.h"
#include "support/ui/MainWindowFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

class RulesDialogTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        for (const char* text : {"/a.jpg", "http://h/a-thumb.jpg", "http://h/b.zip", "c.txt"}) {
            window->links().append(text);
        }
        window->links().setChecked(3, true);
        dialog = std::make_unique<RulesDialog>(
            services,
            RulesDialog::Sources{[] { return std::string("http://h"); }, [this] { return current; },
                                 env.folder() + "/rules"},
            window.get());
    }

    template <class T> T* control(const char* name) const {
        T* found = dialog->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void setRules(const QString& text) {
        control<QPlainTextEdit>("txtRules")->setPlainText(text);
        dialog->refresh();
        while (dialog->counting()) {
            QCoreApplication::processEvents();
        }
    }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    std::string listState() const {
        std::string state;
        for (std::size_t i = 0; i < window->links().count(); ++i) {
            state += window->links().checkedAt(i) ? '+' : '-';
        }
        return state;
    }

    std::optional<std::size_t> current = 1;
    std::unique_ptr<RulesDialog> dialog;
};

TEST_F(RulesDialogTest, CountsAndExplainsWhileTypingAndAppliesOnOk) {
    setRules(u"+ ext:jpg,zip host:h\n- glob:*thumb*"_s);
    EXPECT_EQ(label("lblCount"), u"3 of 4 links selected"_s);
    EXPECT_EQ(label("lblDecision"), u"http://h/a-thumb.jpg\nLine 2 decides: - glob:*thumb*"_s);
    EXPECT_EQ(listState(), "---+");

    current.reset();
    setRules(u"+ ext:jpg\n- re:(thumb"_s);
    EXPECT_TRUE(label("lblCount").startsWith(u"Line 2, column 6: Not a regular expression"_s));
    EXPECT_FALSE(control<QPushButton>("btnOK")->isEnabled());

    setRules(u"+ ext:jpg,zip host:h\n- glob:*thumb*"_s);
    EXPECT_EQ(label("lblDecision"), u"No current entry."_s);
    control<QPushButton>("btnOK")->click();
    EXPECT_EQ(listState(), "+-++");
}

TEST_F(RulesDialogTest, SavedPresetsAreListedAndLoadWhenPicked) {
    setRules(u"+ ext:zip"_s);
    auto* names = control<QComboBox>("cboPreset");
    names->setEditText(u"archives"_s);
    control<QPushButton>("btnPresetSave")->click();
    EXPECT_EQ(test::TempFolder::read(env.folder() + "/rules/archives.rules"), "+ ext:zip");

    env.prompts.expectMessage(platform::MessageIcon::Warning, "Rule presets",
                              "A preset name cannot be \".\" or \"..\".",
                              {platform::MessageButton::Ok}, platform::MessageButton::Ok);
    names->setEditText(u".."_s);
    control<QPushButton>("btnPresetSave")->click();

    setRules({});
    ASSERT_EQ(names->count(), 1);
    emit names->activated(0);
    EXPECT_EQ(control<QPlainTextEdit>("txtRules")->toPlainText(), u"+ ext:zip"_s);
}

TEST_F(RulesDialogTest, ImportingOverAPresetAsksFirst) {
    setRules(u"+ ext:zip"_s);
    control<QComboBox>("cboPreset")->setEditText(u"archives"_s);
    control<QPushButton>("btnPresetSave")->click();
    const std::string imported = env.folder() + "/archives.rules";
    test::TempFolder::write(imported, "+ ext:rar");
    const std::string preset = env.folder() + "/rules/archives.rules";
    for (const auto& [answer, kept] : {std::pair{platform::MessageButton::No, "+ ext:zip"},
                                       std::pair{platform::MessageButton::Yes, "+ ext:rar"}}) {
        env.prompts.expectDialog(imported);
        env.prompts.expectMessage(platform::MessageIcon::Question, "Rule presets",
                                  "A preset named \"archives\" exists. Replace it?",
                                  {platform::MessageButton::Yes, platform::MessageButton::No},
                                  answer);
        control<QPushButton>("btnPresetImport")->click();
        EXPECT_EQ(test::TempFolder::read(preset), kept);
    }
}

TEST_F(RulesDialogTest, SentHoldsForTheLinksTheLedgerRecords) {
    const std::string path = env.folder() + "/sent";
    test::TempFolder::write(path, "2026-12-08T14:02:03Z\tsent\taria2\thttp://h/a.jpg\n"
                                  "2026-12-08T14:02:03Z\tsent\tReGet\thttp://h/b.zip\n");
    core::LedgerKeeper keeper(path, env.windowThread,
                              [](const std::string& message) { ADD_FAILURE() << message; });
    keeper.load();
    ASSERT_TRUE(QTest::qWaitFor([&keeper] { return keeper.loaded(); }));
    services.ledger = &keeper;

    setRules(u"+ sent:"_s);
    EXPECT_EQ(label("lblCount"), u"3 of 4 links selected"_s);
    setRules(u"- text:c\n+ sent:aria2"_s);
    EXPECT_EQ(label("lblCount"), u"1 of 4 links selected"_s);
    control<QPushButton>("btnOK")->click();
    EXPECT_EQ(listState(), "+---");
    services.ledger = nullptr;
}

} // namespace
} // namespace harvex2::ui
