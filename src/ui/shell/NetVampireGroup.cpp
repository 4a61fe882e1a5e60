#include "ui/shell/NetVampireGroup.h"

#include "ui/shell/OptionsNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

namespace {

QWidget* line(QWidget* label, QWidget* first, QWidget* second = nullptr) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : {label, first, second}) {
        if (part) {
            layout->addWidget(part);
        }
    }
    layout->addStretch();
    return row;
}

QLabel* label(const char* name, const QString& caption) {
    auto* text = new QLabel(caption);
    text->setObjectName(QLatin1StringView(name));
    return text;
}

} // namespace

NetVampireGroup::NetVampireGroup(QWidget* parent)
    : TargetOptionsGroup(u"NetVampire"_s, parent),
      jobFiles_(new QRadioButton(u"Job files (recommened)"_s)), dde_(new QRadioButton(u"DDE"_s)),
      jobState_(new QComboBox), realiFast_(new QCheckBox(u"RealiFast"_s)) {
    setObjectName(QLatin1StringView(Names::kNetVampireGroup));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildUseLine());
    layout->addWidget(buildJobStateLine());
    realiFast_->setObjectName(QLatin1StringView(Names::kRealiFast));
    layout->addWidget(realiFast_);
}

QWidget* NetVampireGroup::buildUseLine() {
    jobFiles_->setObjectName(QLatin1StringView(Names::kJobFiles));
    jobFiles_->setChecked(true);
    dde_->setObjectName(QLatin1StringView(Names::kDde));
    connect(jobFiles_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            emit channelChosen(false);
        }
    });
    connect(dde_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            emit channelChosen(true);
        }
    });
    return line(label(Names::kUseCaption, u"Use:"_s), jobFiles_, dde_);
}

QWidget* NetVampireGroup::buildJobStateLine() {
    jobState_->setObjectName(QLatin1StringView(Names::kJobState));
    jobState_->addItem(u"Stopped"_s, kStopped);
    jobState_->addItem(u"Queued"_s, kQueued);
    jobState_->addItem(u"Failed (dumb)"_s, kFailed);
    jobState_->setCurrentIndex(-1);
    return line(label(Names::kJobStateCaption, u"Jobs start as:"_s), jobState_);
}

void NetVampireGroup::fill(const core::SettingsRecord& settings) {
    (settings.nvdde ? dde_ : jobFiles_)->setChecked(true);
    const int item = jobState_->findData(settings.nvJobDefault);
    if (item >= 0) {
        jobState_->setCurrentIndex(item);
    }
    realiFast_->setChecked(settings.realiFast);
}

void NetVampireGroup::confirm(core::SettingsRecord& settings) const {
    settings.nvdde = dde_->isChecked();
    if (jobState_->currentIndex() >= 0) {
        settings.nvJobDefault = jobState_->currentData().toInt();
    }
    settings.realiFast = realiFast_->isChecked();
}

} // namespace harvex2::ui
