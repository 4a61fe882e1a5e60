#include "ui/shell/AddOptionsTab.h"

#include "ui/shell/Aria2Group.h"
#include "ui/shell/NamesGroup.h"
#include "ui/shell/NetVampireGroup.h"
#include "ui/shell/OptionsNames.h"
#include "ui/shell/ProgramGroup.h"

#include <algorithm>

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

namespace {
constexpr int kKeepAdded = 1;
constexpr int kTightMargin = 4;
} // namespace

AddOptionsTab::AddOptionsTab(QWidget* parent)
    : QWidget(parent), program_(new ProgramGroup), netVampire_(new NetVampireGroup),
      aria2_(new Aria2Group), names_(new NamesGroup) {
    setObjectName(QLatin1StringView(Names::kAddPage));
    auto* layout = new QVBoxLayout(this);
    // The long tidy captions need nearly the whole width of the page.
    layout->setContentsMargins(kTightMargin, kTightMargin, kTightMargin, kTightMargin);
    layout->addWidget(program_);
    layout->addWidget(buildTidyGroup());
    addTargetGroup(netVampire_,
                   {core::TargetProgram::NetVampire, core::TargetProgram::NetVampire3});
    addTargetGroup(aria2_, {core::TargetProgram::Aria2});
    layout->addWidget(names_);
    layout->addStretch();
    connect(program_, &ProgramGroup::chosen, this, &AddOptionsTab::showTargetGroups);
    connect(netVampire_, &NetVampireGroup::channelChosen, this, &AddOptionsTab::useChannel);
}

QWidget* AddOptionsTab::buildTidyGroup() {
    auto* group = new QGroupBox(u"Tidy Up"_s);
    group->setObjectName(QLatin1StringView(Names::kTidyGroup));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(kTightMargin, layout->contentsMargins().top(), kTightMargin,
                               layout->contentsMargins().bottom());
    const QString captions[] = {u"Don't tidy"_s, u"Remove entries which were added successfully"_s,
                                u"Remove entries after adding, successful or not"_s};
    for (std::size_t value = 0; value < tidy_.size(); ++value) {
        tidy_[value] = new QRadioButton(captions[value]);
        tidy_[value]->setObjectName(QLatin1StringView(Names::kTidyChoices[value]));
        layout->addWidget(tidy_[value]);
    }
    tidy_[kKeepAdded]->setChecked(true);
    return group;
}

void AddOptionsTab::addTargetGroup(QGroupBox* group,
                                   std::initializer_list<core::TargetProgram> targets) {
    TargetGroup entry{group, {}};
    for (core::TargetProgram target : targets) {
        entry.modes.push_back(static_cast<std::int32_t>(target));
    }
    targetGroups_.push_back(std::move(entry));
    // Each target's group stands below the tidy group, in the order they were added.
    static_cast<QVBoxLayout*>(layout())->addWidget(group);
}

void AddOptionsTab::showTargetGroups(std::int32_t mode) {
    for (const TargetGroup& target : targetGroups_) {
        target.group->setVisible(std::ranges::find(target.modes, mode) != target.modes.end());
    }
    // aria2 answers for each link, whichever channel Net Vampire is set to.
    if (mode == static_cast<std::int32_t>(core::TargetProgram::Aria2)) {
        tidy_[kKeepAdded]->setEnabled(true);
    }
}

void AddOptionsTab::useChannel(bool dde) {
    QRadioButton* keepAdded = tidy_[kKeepAdded];
    const bool aria2 = program_->mode() == static_cast<std::int32_t>(core::TargetProgram::Aria2);
    keepAdded->setEnabled(dde || aria2);
    if (!keepAdded->isEnabled() && keepAdded->isChecked()) {
        tidy_[0]->setChecked(true);
    }
}

void AddOptionsTab::fillProgram(std::int32_t mode) {
    netVampire_->show();
    aria2_->hide();
    if (program_->select(mode)) {
        showTargetGroups(mode);
    }
}

void AddOptionsTab::fillHandOff(const core::SettingsRecord& settings) {
    if (settings.tidyUp >= 0 && settings.tidyUp < static_cast<std::int32_t>(tidy_.size())) {
        tidy_[static_cast<std::size_t>(settings.tidyUp)]->setChecked(true);
    }
    netVampire_->fill(settings);
    aria2_->fill(settings);
    names_->fill(settings);
}

void AddOptionsTab::confirmProgram(core::SettingsRecord& settings) const {
    if (const auto mode = program_->mode()) {
        settings.mode = *mode;
    }
}

void AddOptionsTab::confirmHandOff(core::SettingsRecord& settings) const {
    for (std::size_t value = 0; value < tidy_.size(); ++value) {
        if (tidy_[value]->isChecked()) {
            settings.tidyUp = static_cast<std::int32_t>(value);
        }
    }
    netVampire_->confirm(settings);
    aria2_->confirm(settings);
    names_->confirm(settings);
}

} // namespace harvex2::ui
