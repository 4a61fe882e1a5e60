#include "SequenceFixture.h"

#include "ui/sequence/SequenceWindows.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowCatalog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace harvex2::test {

std::optional<std::string> FakeDirectoryBrowser::browse() {
    ++opened;
    return answer;
}

namespace {

std::unique_ptr<QWidget> makeFakeAdding(ui::AppServices&) {
    return std::make_unique<FakeAddingDialog>();
}

std::unique_ptr<QWidget> makeFakeBrowser(ui::AppServices&) {
    return std::make_unique<FakeDirectoryBrowser>();
}

// A run makes one slice per turn of the event loop, however fast the machine is: the
// clock moves half a turn on at each reading.
std::unique_ptr<QWidget> makeSteppedSequentialDialog(ui::AppServices& services) {
    auto* adding = static_cast<FakeAddingDialog*>(services.windows->window(ui::WindowSlot::Adding));
    using ui::RunDriver;
    return std::make_unique<ui::SequentialDialog>(
        services, *adding,
        [now = RunDriver::Clock::time_point()]() mutable { return now += RunDriver::kTurn / 2; },
        services.mainWindow);
}

constexpr ui::WindowEntry kSequenceWindows[] = {
    {ui::WindowSlot::Adding, "Adding ", ui::SplashLine::First, &makeFakeAdding},
    {ui::WindowSlot::Sequential, "Sequential ", ui::SplashLine::First,
     &makeSteppedSequentialDialog},
    {ui::WindowSlot::BrowseDir, "BrowseDir ", ui::SplashLine::First, &makeFakeBrowser},
    {ui::WindowSlot::SettingsList, "LoadSettings ", ui::SplashLine::Second,
     &ui::makeSettingsListDialog},
    {ui::WindowSlot::SaveProfile, "SaveSettings ", ui::SplashLine::Second,
     &ui::makeSaveProfileDialog},
};

} // namespace

void SequenceFixture::SetUp() {
    catalog = std::make_unique<ui::WindowCatalog>(kSequenceWindows);
    start();
    for (const ui::WindowEntry& entry : catalog->entries()) {
        catalog->create(entry, services);
    }
}

ui::SequentialDialog* SequenceFixture::dialog() const {
    return static_cast<ui::SequentialDialog*>(catalog->window(ui::WindowSlot::Sequential));
}

FakeAddingDialog* SequenceFixture::adding() const {
    return static_cast<FakeAddingDialog*>(catalog->window(ui::WindowSlot::Adding));
}

FakeDirectoryBrowser* SequenceFixture::browser() const {
    return static_cast<FakeDirectoryBrowser*>(catalog->window(ui::WindowSlot::BrowseDir));
}

void SequenceFixture::click(const char* button) const {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void SequenceFixture::type(const char* edit, const QString& text) const {
    if (auto* box = dialog()->findChild<QComboBox*>(QLatin1StringView(edit))) {
        box->setEditText(text);
    } else {
        control<QLineEdit>(edit)->setText(text);
    }
}

void SequenceFixture::waitForRun() const {
    for (int turn = 0; turn < 100000 && dialog()->running(); ++turn) {
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(dialog()->running());
}

void SequenceFixture::whenModal(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal);
    });
}

} // namespace harvex2::test
