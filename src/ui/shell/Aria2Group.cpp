#include "ui/shell/Aria2Group.h"

#include "ui/platform/ShownBytes.h"
#include "ui/shell/OptionsNames.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

Aria2Group::Aria2Group(QWidget* parent)
    : TargetOptionsGroup(u"aria2"_s, parent), url_(new QLineEdit), secret_(new QLineEdit) {
    setObjectName(QLatin1StringView(Names::kAria2Group));
    url_->setObjectName(QLatin1StringView(Names::kAria2Url));
    secret_->setObjectName(QLatin1StringView(Names::kAria2Secret));
    // The token lets anyone who has it download anything to this machine.
    secret_->setEchoMode(QLineEdit::Password);
    auto* layout = new QFormLayout(this);
    layout->addRow(u"RPC address:"_s, url_);
    layout->addRow(u"Secret token:"_s, secret_);
}

void Aria2Group::fill(const core::SettingsRecord& settings) {
    ShownBytes::show(*url_, settings.aria2Url);
    ShownBytes::show(*secret_, settings.aria2Secret);
}

void Aria2Group::confirm(core::SettingsRecord& settings) const {
    settings.aria2Url = ShownBytes::read(*url_);
    settings.aria2Secret = ShownBytes::read(*secret_);
}

} // namespace harvex2::ui
