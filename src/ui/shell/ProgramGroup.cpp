#include "ui/shell/ProgramGroup.h"

#include "core/handoff/TargetTable.h"
#include "ui/handoff/TargetRegistry.h"

#include <QGridLayout>
#include <QRadioButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
constexpr int kColumns = 2;
} // namespace

ProgramGroup::ProgramGroup(QWidget* parent) : QGroupBox(u"Program"_s, parent) {
    setObjectName(u"GroupBox3"_s);
    // Two radios a row leave the page room for the tallest target group below, so nothing
    // on it is squeezed, and no radio moves, when the target changes.
    new QGridLayout(this);
    int place = 0;
    for (const core::TargetKind& kind : core::TargetTable::kinds()) {
        addRadio(kind.mode, place++);
    }
    // The first is selected until the settings say otherwise.
    choices_.front().radio->setChecked(true);
}

void ProgramGroup::addRadio(core::TargetProgram mode, int place) {
    const TargetLook& look = *TargetRegistry::find(mode);
    auto* radio = new QRadioButton(QString::fromUtf8(core::TargetTable::find(mode)->name));
    radio->setObjectName(QString::fromLatin1(look.radioName));
    if (look.radioTooltip) {
        radio->setToolTip(QString::fromLatin1(look.radioTooltip));
    }
    static_cast<QGridLayout*>(layout())->addWidget(radio, place / kColumns, place % kColumns);
    choices_.push_back({radio, mode});
    connect(radio, &QRadioButton::toggled, this, [this, mode](bool on) {
        if (on) {
            emit chosen(mode);
        }
    });
}

bool ProgramGroup::select(core::TargetProgram mode) {
    for (const Choice& choice : choices_) {
        if (choice.mode == mode) {
            choice.radio->setChecked(true);
            return true;
        }
    }
    return false;
}

std::optional<core::TargetProgram> ProgramGroup::mode() const {
    for (const Choice& choice : choices_) {
        if (choice.radio->isChecked()) {
            return choice.mode;
        }
    }
    return std::nullopt;
}

} // namespace harvex2::ui
