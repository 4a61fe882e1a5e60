#include "ui/shell/FollowHoursBox.h"

#include "ui/shell/OptionsNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
constexpr int kMaxHours = 30 * 24;
} // namespace

FollowHoursBox::FollowHoursBox(QWidget* parent) : QWidget(parent), hours_(new QSpinBox) {
    hours_->setObjectName(QLatin1StringView(OptionsNames::kFollowHours));
    hours_->setRange(1, kMaxHours);
    hours_->setSuffix(u" h"_s);
    auto* label = new QLabel(u"Follow the downloads for:"_s);
    label->setBuddy(hours_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(hours_);
    layout->addStretch();
}

void FollowHoursBox::fill(const core::SettingsRecord& settings) {
    hours_->setValue(settings.followHours);
}

void FollowHoursBox::confirm(core::SettingsRecord& settings) const {
    settings.followHours = hours_->value();
}

} // namespace harvex2::ui
