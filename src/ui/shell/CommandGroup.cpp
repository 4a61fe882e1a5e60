#include "ui/shell/CommandGroup.h"

#include "core/handoff/CommandPresets.h"
#include "core/handoff/CommandTemplate.h"
#include "platform/posix/SpawnLauncher.h"
#include "ui/platform/ShownBytes.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/OptionsNames.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

namespace {

constexpr int kMaxJobs = 64;
constexpr int kMaxTimeoutSeconds = 7 * 24 * 3600;

} // namespace

CommandGroup::CommandGroup(QWidget* parent)
    : TargetOptionsGroup(u"Command"_s, parent), template_(new QComboBox), problem_(new QLabel),
      jobs_(new QSpinBox), timeout_(new QSpinBox) {
    setObjectName(QLatin1StringView(Names::kCommandGroup));
    template_->setObjectName(QLatin1StringView(Names::kCommandTemplate));
    jobs_->setObjectName(QLatin1StringView(Names::kCommandJobs));
    timeout_->setObjectName(QLatin1StringView(Names::kCommandTimeout));
    problem_->setObjectName(QLatin1StringView(Names::kCommandProblem));
    template_->setEditable(true);
    template_->setInsertPolicy(QComboBox::NoInsert);
    const auto onPath = [](const std::string& program) {
        return platform::SpawnLauncher::programPath(program).has_value();
    };
    for (const core::CommandPreset& preset : core::CommandPresets::available(onPath)) {
        ShownBytes::addItem(*template_, preset.line);
    }
    template_->setToolTip(u"{url} {dir} {name} {referer} {n} are replaced in each link's words"_s);
    jobs_->setRange(1, kMaxJobs);
    timeout_->setRange(0, kMaxTimeoutSeconds);
    timeout_->setSuffix(u" s"_s);
    timeout_->setSpecialValueText(u"none"_s);
    problem_->setWordWrap(true);
    problem_->hide();
    auto* layout = new QFormLayout(this);
    layout->addRow(u"Template:"_s, template_);
    layout->addRow(problem_);
    layout->addRow(u"At once:"_s, jobs_);
    layout->addRow(u"Time-out:"_s, timeout_);
    connect(template_, &QComboBox::editTextChanged, this, &CommandGroup::check);
}

void CommandGroup::fill(const core::SettingsRecord& settings) {
    ShownBytes::show(*template_, settings.commandTemplate);
    jobs_->setValue(settings.commandJobs);
    timeout_->setValue(settings.commandTimeout);
    check();
}

void CommandGroup::confirm(core::SettingsRecord& settings) const {
    const std::string line = ShownBytes::read(*template_);
    std::string error;
    if (line.empty() || core::CommandTemplate::parse(line, error)) {
        settings.commandTemplate = line;
    }
    settings.commandJobs = jobs_->value();
    settings.commandTimeout = timeout_->value();
}

void CommandGroup::check() {
    const std::string line = ShownBytes::read(*template_);
    std::string error;
    const bool fits = line.empty() || core::CommandTemplate::parse(line, error).has_value();
    problem_->setText(fits ? QString() : fromBytes(error + " It is not kept."));
    problem_->setVisible(!fits);
}

} // namespace harvex2::ui
