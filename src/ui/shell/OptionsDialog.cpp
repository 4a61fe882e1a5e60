#include "ui/shell/OptionsDialog.h"

#include "ui/shell/AddOptionsTab.h"
#include "ui/shell/GeneralOptionsTab.h"
#include "ui/shell/HotTabs.h"
#include "ui/shell/OptionsNames.h"
#include "ui/shell/ParseOptionsTab.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

namespace {
constexpr QSize kClientSize(325, 426);
constexpr QRect kPages(4, 6, 317, 384);
constexpr QRect kOkButton(161, 396, 75, 25);
constexpr QRect kCancelButton(244, 396, 75, 25);
constexpr QPoint kDeveloperLabel(11, 398);
} // namespace

OptionsDialog::OptionsDialog(core::SettingsRecord& settings, TargetChosen targetChosen,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), targetChosen_(std::move(targetChosen)), pages_(new QTabWidget(this)),
      parse_(new ParseOptionsTab), add_(new AddOptionsTab), general_(new GeneralOptionsTab),
      developerMode_(new QLabel(u"Developer Mode"_s, this)) {
    setObjectName(QLatin1StringView(Names::kWindow));
    setWindowTitle(u"Options"_s);
    pages_->setObjectName(QLatin1StringView(Names::kPages));
    pages_->addTab(parse_, u"Parse Options"_s);
    pages_->addTab(add_, u"Add Options"_s);
    pages_->addTab(general_, u"General"_s);
    new HotTabs(*pages_->tabBar());
    const QSize growth = pageGrowth();
    setFixedSize(kClientSize + growth);
    pages_->setGeometry(kPages.adjusted(0, 0, growth.width(), growth.height()));
    buildButtons(QPoint(growth.width(), growth.height()));
    developerMode_->setObjectName(QLatin1StringView(Names::kDeveloperMode));
    developerMode_->move(kDeveloperLabel + QPoint(0, growth.height()));
    developerMode_->hide();
}

// Pages hold more controls than the design made room for; the dialog grows rather than
// squeeze them on top of each other.
QSize OptionsDialog::pageGrowth() const {
    const QSize needed = pages_->minimumSizeHint();
    return {std::max(0, needed.width() - kPages.width()),
            std::max(0, needed.height() - kPages.height())};
}

void OptionsDialog::buildButtons(QPoint shift) {
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(QLatin1StringView(Names::kOk));
    ok->setGeometry(kOkButton.translated(shift));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(u"Cancel"_s, this);
    cancel->setObjectName(QLatin1StringView(Names::kCancel));
    cancel->setGeometry(kCancelButton.translated(shift));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::showDeveloperMode(bool on) {
    developerMode_->setVisible(on);
}

int OptionsDialog::exec() {
    fill();
    return QDialog::exec();
}

void OptionsDialog::accept() {
    confirm();
    emit confirmed();
    QDialog::accept();
}

// The order matters: choosing job files after the tidy-up may undo its choice.
void OptionsDialog::fill() {
    parse_->fill(settings_);
    add_->fillProgram(settings_.mode);
    general_->fill(settings_);
    add_->fillHandOff(settings_);
}

void OptionsDialog::confirm() {
    parse_->confirm(settings_);
    add_->confirmProgram(settings_);
    general_->confirm(settings_);
    add_->confirmHandOff(settings_);
    // Last: the windows name aria2's endpoint, which the hand-off settings choose.
    if (targetChosen_) {
        targetChosen_(settings_.mode);
    }
}

} // namespace harvex2::ui
