#include "ui/shell/Aria2Group.h"

#include "core/handoff/Aria2Endpoints.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/Aria2EndpointsDialog.h"
#include "ui/shell/OptionsNames.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;
using core::Aria2Endpoints;

Aria2Group::Aria2Group(QWidget* parent)
    : TargetOptionsGroup(u"aria2"_s, parent), endpoint_(new QComboBox),
      edit_(new QPushButton(u"Endpoints..."_s)), problem_(new QLabel) {
    setObjectName(QLatin1StringView(Names::kAria2Group));
    endpoint_->setObjectName(QLatin1StringView(Names::kAria2Choice));
    edit_->setObjectName(QLatin1StringView(Names::kAria2EditEndpoints));
    problem_->setObjectName(QLatin1StringView(Names::kAria2ChoiceProblem));
    problem_->setWordWrap(true);
    problem_->hide();
    auto* choice = new QHBoxLayout;
    choice->addWidget(endpoint_, 1);
    choice->addWidget(edit_);
    auto* layout = new QFormLayout(this);
    layout->addRow(u"Endpoint:"_s, choice);
    layout->addRow(problem_);
    connect(endpoint_, &QComboBox::currentIndexChanged, this, &Aria2Group::showProblem);
    connect(edit_, &QPushButton::clicked, this, &Aria2Group::editEndpoints);
}

void Aria2Group::fill(const core::SettingsRecord& settings) {
    endpoints_ = Aria2Endpoints::of(settings);
    const std::string chosen = Aria2Endpoints::chosen(settings).name;
    const auto found = std::ranges::find(endpoints_, chosen, &core::Aria2Endpoint::name);
    showEndpoints(static_cast<int>(found - endpoints_.begin()));
}

void Aria2Group::confirm(core::SettingsRecord& settings) const {
    const std::string chosen = endpoints_[static_cast<std::size_t>(endpoint_->currentIndex())].name;
    if (endpoints_ == Aria2Endpoints::of(settings) &&
        chosen == Aria2Endpoints::chosen(settings).name) {
        // Nothing changed: a list never edited stays unstored.
        return;
    }
    Aria2Endpoints::store(settings, endpoints_);
    settings.aria2Endpoint = chosen;
}

void Aria2Group::showEndpoints(int chosen) {
    const QSignalBlocker quiet(endpoint_);
    endpoint_->clear();
    for (const core::Aria2Endpoint& endpoint : endpoints_) {
        endpoint_->addItem(fromBytes(endpoint.name));
    }
    endpoint_->setCurrentIndex(chosen);
    showProblem();
}

void Aria2Group::showProblem() {
    const int index = endpoint_->currentIndex();
    const std::string problem =
        index < 0 ? std::string()
                  : Aria2Endpoints::refusal(endpoints_[static_cast<std::size_t>(index)]);
    problem_->setText(fromBytes(problem));
    problem_->setVisible(!problem.empty());
}

// Window-modal, so that the Options dialog waits while nothing blocks in a nested loop.
void Aria2Group::editEndpoints() {
    auto* dialog = new Aria2EndpointsDialog(endpoints_, endpoint_->currentIndex(), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        endpoints_ = dialog->endpoints();
        showEndpoints(dialog->shown());
    });
    dialog->open();
}

} // namespace harvex2::ui
