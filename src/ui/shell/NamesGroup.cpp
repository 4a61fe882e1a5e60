#include "ui/shell/NamesGroup.h"

#include "ui/platform/ShownBytes.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

NamesGroup::NamesGroup(QWidget* parent)
    : QGroupBox(u"Names"_s, parent), mask_(new QLineEdit), fixed_(new QLineEdit) {
    setObjectName(QLatin1StringView(kGroup));
    mask_->setObjectName(QLatin1StringView(kMask));
    mask_->setPlaceholderText(u"*name*.*ext*"_s);
    mask_->setToolTip(u"*name* *ext* *num* *host* *subdirs* *y* *m* *d* #1 #2; / makes folders"_s);
    fixed_->setObjectName(QLatin1StringView(kFixedReferrer));
    const QString captions[] = {u"None"_s, u"The page"_s, u"This:"_s};
    auto* referrers = new QHBoxLayout;
    for (std::size_t kind = 0; kind < referrers_.size(); ++kind) {
        referrers_[kind] = new QRadioButton(captions[kind]);
        referrers_[kind]->setObjectName(QLatin1StringView(kReferrers[kind]));
        referrers->addWidget(referrers_[kind]);
    }
    referrers->addWidget(fixed_, 1);
    auto* layout = new QFormLayout(this);
    layout->addRow(u"Name mask:"_s, mask_);
    layout->addRow(u"Referrer:"_s, referrers);
}

void NamesGroup::fill(const core::SettingsRecord& settings) {
    ShownBytes::show(*mask_, settings.nameMask);
    ShownBytes::show(*fixed_, settings.referrerText);
    const auto kind = static_cast<std::size_t>(settings.referrer);
    referrers_[kind < referrers_.size() ? kind : 1]->setChecked(true);
}

void NamesGroup::confirm(core::SettingsRecord& settings) const {
    settings.nameMask = ShownBytes::read(*mask_);
    settings.referrerText = ShownBytes::read(*fixed_);
    for (std::size_t kind = 0; kind < referrers_.size(); ++kind) {
        if (referrers_[kind]->isChecked()) {
            settings.referrer = static_cast<std::int32_t>(kind);
        }
    }
}

} // namespace harvex2::ui
