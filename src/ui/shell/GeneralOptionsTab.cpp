#include "ui/shell/GeneralOptionsTab.h"

#include "ui/shell/OptionsNames.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

GeneralOptionsTab::GeneralOptionsTab(QWidget* parent)
    : QWidget(parent), remember_(new QCheckBox(u"Remember size/position"_s)),
      closeSequence_(new QCheckBox(u"Automatically close the Add Sequence window"_s)) {
    setObjectName(QLatin1StringView(Names::kGeneralPage));
    remember_->setObjectName(QLatin1StringView(Names::kRemember));
    closeSequence_->setObjectName(QLatin1StringView(Names::kCloseSequence));
    closeSequence_->setToolTip(
        u"Close the Add Sequence window when the files have been added to the target (either "
        "Harvex itself or your download manager)."_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(remember_);
    layout->addWidget(closeSequence_);
    layout->addStretch();
}

void GeneralOptionsTab::fill(const core::SettingsRecord& settings) {
    remember_->setChecked(settings.remember);
    closeSequence_->setChecked(settings.acas);
}

void GeneralOptionsTab::confirm(core::SettingsRecord& settings) const {
    settings.remember = remember_->isChecked();
    settings.acas = closeSequence_->isChecked();
}

} // namespace harvex2::ui
