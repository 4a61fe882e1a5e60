#include "ui/shell/RoutesBox.h"

#include "core/rules/RulePresets.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/OptionsNames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

RoutesBox::RoutesBox(QWidget* parent) : QWidget(parent), choice_(new QComboBox) {
    choice_->setObjectName(QLatin1StringView(OptionsNames::kRoutesPreset));
    auto* label = new QLabel(u"&Routes:"_s);
    label->setBuddy(choice_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(choice_, 1);
}

void RoutesBox::fill(const core::SettingsRecord& settings) {
    choice_->clear();
    choice_->addItem(u"None: every link to the chosen program"_s, QByteArray());
    for (const std::string& name : core::RulePresets(core::RulePresets::userFolder()).names()) {
        addPreset(name);
    }
    const QByteArray chosen = QByteArray::fromStdString(settings.routesPreset);
    if (!chosen.isEmpty() && choice_->findData(chosen) < 0) {
        addPreset(settings.routesPreset);
    }
    choice_->setCurrentIndex(choice_->findData(chosen));
}

void RoutesBox::confirm(core::SettingsRecord& settings) const {
    settings.routesPreset = choice_->currentData().toByteArray().toStdString();
}

void RoutesBox::addPreset(const std::string& name) {
    choice_->addItem(fromBytes(name), QByteArray::fromStdString(name));
}

} // namespace harvex2::ui
