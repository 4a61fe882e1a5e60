#include "ui/shell/Aria2EndpointsDialog.h"

#include "core/handoff/Aria2Endpoints.h"
#include "ui/platform/ShownBytes.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/OptionsNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;
using core::Aria2Endpoints;

namespace {

QLineEdit* namedEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1StringView(name));
    return edit;
}

QPushButton* namedButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1StringView(name));
    return button;
}

} // namespace

Aria2EndpointsDialog::Aria2EndpointsDialog(std::vector<core::Aria2Endpoint> endpoints, int shown,
                                           QWidget* parent)
    : QDialog(parent), endpoint_(new QComboBox),
      add_(namedButton(u"Add"_s, Names::kAria2AddEndpoint)),
      remove_(namedButton(u"Remove"_s, Names::kAria2RemoveEndpoint)),
      name_(namedEdit(Names::kAria2Name)), url_(namedEdit(Names::kAria2Url)),
      secret_(namedEdit(Names::kAria2Secret)), folder_(namedEdit(Names::kAria2Folder)),
      caFile_(namedEdit(Names::kAria2CaFile)),
      plainToken_(new QCheckBox(u"send the token unencrypted"_s)), problem_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)),
      endpoints_(std::move(endpoints)) {
    setObjectName(QLatin1StringView(Names::kAria2Endpoints));
    setWindowTitle(u"aria2 endpoints"_s);
    endpoint_->setObjectName(QLatin1StringView(Names::kAria2Endpoint));
    plainToken_->setObjectName(QLatin1StringView(Names::kAria2PlainToken));
    problem_->setObjectName(QLatin1StringView(Names::kAria2Problem));
    // The token lets anyone who has it download anything to this machine.
    secret_->setEchoMode(QLineEdit::Password);
    caFile_->setToolTip(u"Certificates to check an https address against; empty: the system's"_s);
    problem_->setWordWrap(true);
    problem_->hide();
    buildLayout();
    for (const core::Aria2Endpoint& endpoint : endpoints_) {
        endpoint_->addItem(fromBytes(endpoint.name));
    }
    endpoint_->setCurrentIndex(shown);
    showEndpoint(shown);
    connect(endpoint_, &QComboBox::currentIndexChanged, this, &Aria2EndpointsDialog::showEndpoint);
    for (QLineEdit* edit : {name_, url_, secret_, folder_, caFile_}) {
        connect(edit, &QLineEdit::textChanged, this, &Aria2EndpointsDialog::takeFields);
    }
    connect(plainToken_, &QCheckBox::toggled, this, &Aria2EndpointsDialog::takeFields);
    connect(add_, &QPushButton::clicked, this, &Aria2EndpointsDialog::addEndpoint);
    connect(remove_, &QPushButton::clicked, this, &Aria2EndpointsDialog::removeEndpoint);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int Aria2EndpointsDialog::shown() const {
    return endpoint_->currentIndex();
}

void Aria2EndpointsDialog::buildLayout() {
    auto* choice = new QHBoxLayout;
    choice->addWidget(endpoint_, 1);
    choice->addWidget(add_);
    choice->addWidget(remove_);
    auto* layout = new QFormLayout(this);
    layout->addRow(u"Endpoint:"_s, choice);
    layout->addRow(u"Name:"_s, name_);
    layout->addRow(u"RPC address:"_s, url_);
    layout->addRow(u"Secret token:"_s, secret_);
    layout->addRow(u"Folder:"_s, folder_);
    layout->addRow(u"CA file:"_s, caFile_);
    layout->addRow(plainToken_);
    layout->addRow(problem_);
    layout->addRow(buttons_);
}

void Aria2EndpointsDialog::showEndpoint(int index) {
    shown_ = -1;
    const core::Aria2Endpoint& endpoint = endpoints_[static_cast<std::size_t>(index)];
    ShownBytes::show(*name_, endpoint.name);
    ShownBytes::show(*url_, endpoint.url);
    ShownBytes::show(*secret_, endpoint.secret);
    ShownBytes::show(*folder_, endpoint.folder);
    ShownBytes::show(*caFile_, endpoint.caFile);
    plainToken_->setChecked(endpoint.plainToken);
    remove_->setEnabled(endpoints_.size() > 1);
    shown_ = index;
    takeFields();
}

void Aria2EndpointsDialog::takeFields() {
    if (shown_ < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(shown_);
    core::Aria2Endpoint& endpoint = endpoints_[index];
    const std::string name = ShownBytes::read(*name_);
    const std::string nameProblem = Aria2Endpoints::nameProblem(endpoints_, index, name);
    if (nameProblem.empty() && name != endpoint.name) {
        endpoint.name = name;
        endpoint_->setItemText(shown_, fromBytes(name));
    }
    endpoint.url = ShownBytes::read(*url_);
    endpoint.secret = ShownBytes::read(*secret_);
    endpoint.folder = ShownBytes::read(*folder_);
    endpoint.caFile = ShownBytes::read(*caFile_);
    endpoint.plainToken = plainToken_->isChecked();
    showProblem(nameProblem.empty() ? nameProblem : nameProblem + " It is not kept.");
}

void Aria2EndpointsDialog::showProblem(const std::string& nameProblem) {
    const std::string problem =
        nameProblem.empty() ? Aria2Endpoints::refusal(endpoints_[static_cast<std::size_t>(shown_)])
                            : nameProblem;
    problem_->setText(fromBytes(problem));
    problem_->setVisible(!problem.empty());
}

void Aria2EndpointsDialog::addEndpoint() {
    core::Aria2Endpoint endpoint{.url = core::SettingsRecord{}.aria2Url};
    for (int number = static_cast<int>(endpoints_.size()) + 1; endpoint.name.empty(); ++number) {
        const std::string name = "aria2-" + std::to_string(number);
        if (Aria2Endpoints::nameProblem(endpoints_, endpoints_.size(), name).empty()) {
            endpoint.name = name;
        }
    }
    endpoints_.push_back(endpoint);
    endpoint_->addItem(fromBytes(endpoint.name));
    endpoint_->setCurrentIndex(endpoint_->count() - 1);
    name_->setFocus();
    name_->selectAll();
}

void Aria2EndpointsDialog::removeEndpoint() {
    const int index = endpoint_->currentIndex();
    if (endpoints_.size() < 2 || index < 0) {
        return;
    }
    shown_ = -1;
    endpoints_.erase(endpoints_.begin() + index);
    endpoint_->removeItem(index);
    showEndpoint(endpoint_->currentIndex());
}

} // namespace harvex2::ui
