#include "ui/shell/ProgramGroup.h"

#include "core/shell/SettingsRecord.h"

#include <QGridLayout>
#include <QRadioButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {

struct ProgramRadio {
    const char* name;
    const char* caption;
    core::TargetProgram target;
    const char* tooltip; // nullptr: none
};

constexpr int kColumns = 2;

// In the order the radios stand; the first is selected until the settings say otherwise.
constexpr ProgramRadio kProgramRadios[] = {
    {"optNetVampire", "NetVampire", core::TargetProgram::NetVampire,
     "Attempt to connect to NetVampire (version 2.41+ only)"},
    {"optNetVampire3", "NetVampire 3", core::TargetProgram::NetVampire3, nullptr},
    {"optReGet", "ReGet", core::TargetProgram::ReGet, "Attempt to connect to ReGet"},
    {"optAria2", "aria2", core::TargetProgram::Aria2, "Hand links to aria2 over its RPC interface"},
};

} // namespace

ProgramGroup::ProgramGroup(QWidget* parent) : QGroupBox(u"Program"_s, parent) {
    setObjectName(u"GroupBox3"_s);
    // Two radios a row leave the page room for the tallest target group below, so nothing
    // on it is squeezed, and no radio moves, when the target changes.
    auto* layout = new QGridLayout(this);
    int place = 0;
    for (const ProgramRadio& entry : kProgramRadios) {
        auto* radio = new QRadioButton(QString::fromLatin1(entry.caption));
        radio->setObjectName(QString::fromLatin1(entry.name));
        if (entry.tooltip) {
            radio->setToolTip(QString::fromLatin1(entry.tooltip));
        }
        layout->addWidget(radio, place / kColumns, place % kColumns);
        ++place;
        const auto mode = static_cast<std::int32_t>(entry.target);
        choices_.push_back({radio, mode});
        connect(radio, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on) {
                emit chosen(mode);
            }
        });
    }
    choices_.front().radio->setChecked(true);
}

bool ProgramGroup::select(std::int32_t mode) {
    for (const Choice& choice : choices_) {
        if (choice.mode == mode) {
            choice.radio->setChecked(true);
            return true;
        }
    }
    return false;
}

std::optional<std::int32_t> ProgramGroup::mode() const {
    for (const Choice& choice : choices_) {
        if (choice.radio->isChecked()) {
            return choice.mode;
        }
    }
    return std::nullopt;
}

} // namespace harvex2::ui
