#include "ui/shell/AddOptionsTab.h"

#include "core/handoff/TargetTable.h"
#include "ui/handoff/TargetRegistry.h"
#include "ui/shell/FollowHoursBox.h"
#include "ui/shell/NamesGroup.h"
#include "ui/shell/OptionsNames.h"
#include "ui/shell/ProgramGroup.h"
#include "ui/shell/RoutesBox.h"
#include "ui/shell/SkipSentBox.h"
#include "ui/shell/TargetOptionsGroup.h"

#include <algorithm>

#include <QGroupBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

namespace {
constexpr int kKeepAdded = 1;
constexpr int kTightMargin = 4;
} // namespace

AddOptionsTab::AddOptionsTab(QWidget* parent)
    : QWidget(parent), program_(new ProgramGroup), skipSent_(new SkipSentBox),
      names_(new NamesGroup), routes_(new RoutesBox), followHours_(new FollowHoursBox) {
    setObjectName(QLatin1StringView(Names::kAddPage));
    auto* layout = new QVBoxLayout(this);
    // The long tidy captions need nearly the whole width of the page.
    layout->setContentsMargins(kTightMargin, kTightMargin, kTightMargin, kTightMargin);
    layout->addWidget(program_);
    layout->addWidget(buildTidyGroup());
    layout->addWidget(skipSent_);
    layout->addWidget(routes_);
    layout->addWidget(followHours_);
    addTargetGroups();
    layout->addWidget(names_);
    layout->addStretch();
    connect(program_, &ProgramGroup::chosen, this, &AddOptionsTab::showTargetGroups);
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

void AddOptionsTab::addTargetGroups() {
    // One group shows at a time, in room kept for the tallest: nothing on the page moves
    // when the target changes. The empty page stands for a target without settings.
    targetStack_ = new QStackedWidget;
    targetStack_->addWidget(new QWidget);
    static_cast<QVBoxLayout*>(layout())->addWidget(targetStack_);
    std::vector<TargetOptionsGroup* (*)()> makers;
    for (const TargetLook& look : TargetRegistry::looks()) {
        if (!look.makeOptionsGroup) {
            continue;
        }
        const auto made = std::ranges::find(makers, look.makeOptionsGroup);
        if (made != makers.end()) {
            targetGroups_[static_cast<std::size_t>(made - makers.begin())].modes.push_back(
                look.mode);
            continue;
        }
        makers.push_back(look.makeOptionsGroup);
        TargetOptionsGroup* group = look.makeOptionsGroup();
        targetGroups_.push_back({group, {look.mode}});
        targetStack_->addWidget(group);
        connect(group, &TargetOptionsGroup::channelChosen, this, &AddOptionsTab::useChannel);
    }
}

bool AddOptionsTab::chosenAnswersAlways() const {
    const auto mode = program_->mode();
    const core::TargetKind* kind = mode ? core::TargetTable::find(*mode) : nullptr;
    return kind && kind->answers == core::LinkAnswers::Always;
}

void AddOptionsTab::showTargetGroups(core::TargetProgram mode) {
    targetStack_->setCurrentIndex(0);
    for (const TargetGroup& target : targetGroups_) {
        if (std::ranges::find(target.modes, mode) != target.modes.end()) {
            targetStack_->setCurrentWidget(target.group);
        }
    }
    // A target that answers for each link can keep what it refused, whichever channel
    // another target's group is set to.
    if (chosenAnswersAlways()) {
        tidy_[kKeepAdded]->setEnabled(true);
    }
}

void AddOptionsTab::useChannel(bool answersPerLink) {
    QRadioButton* keepAdded = tidy_[kKeepAdded];
    keepAdded->setEnabled(answersPerLink || chosenAnswersAlways());
    if (!keepAdded->isEnabled() && keepAdded->isChecked()) {
        tidy_[0]->setChecked(true);
    }
}

void AddOptionsTab::fillProgram(core::TargetProgram mode) {
    showTargetGroups(core::TargetTable::kinds().front().mode);
    if (program_->select(mode)) {
        showTargetGroups(mode);
    }
}

void AddOptionsTab::fillHandOff(const core::SettingsRecord& settings) {
    if (settings.tidyUp >= 0 && settings.tidyUp < static_cast<std::int32_t>(tidy_.size())) {
        tidy_[static_cast<std::size_t>(settings.tidyUp)]->setChecked(true);
    }
    for (const TargetGroup& target : targetGroups_) {
        target.group->fill(settings);
    }
    skipSent_->fill(settings);
    names_->fill(settings);
    routes_->fill(settings);
    followHours_->fill(settings);
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
    for (const TargetGroup& target : targetGroups_) {
        target.group->confirm(settings);
    }
    skipSent_->confirm(settings);
    names_->confirm(settings);
    routes_->confirm(settings);
    followHours_->confirm(settings);
}

} // namespace harvex2::ui
