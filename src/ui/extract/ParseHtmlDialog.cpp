#include "ui/extract/ParseHtmlDialog.h"

#include "core/shell/MruHistory.h"
#include "platform/Failure.h"
#include "ui/platform/ShownBytes.h"
#include "ui/shell/AppServices.h"

#include <utility>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

ParseHtmlDialog::ParseHtmlDialog(AppServices& services, std::chrono::milliseconds refreshInterval,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services), refreshInterval_(refreshInterval) {
    setObjectName(u"TForm2"_s);
    setWindowTitle(u"Parse HTML file"_s);
    buildControls();
    setFixedSize(311, 231);
    connect(browse_, &QPushButton::clicked, this, &ParseHtmlDialog::onBrowseClicked);
    connect(process_, &QPushButton::clicked, this, &ParseHtmlDialog::onProcessClicked);
    connect(close_, &QPushButton::clicked, this, &ParseHtmlDialog::onCloseClicked);
}

void ParseHtmlDialog::buildControls() {
    source_ = new QComboBox(this);
    source_->setObjectName(u"Edit1"_s);
    source_->setEditable(true);
    // Enter runs the extraction; it must not also add the typed text to the list.
    source_->setInsertPolicy(QComboBox::NoInsert);
    browse_ = namedButton(u"Button1"_s, u"..."_s, this);
    browse_->setFixedWidth(24);
    browse_->setAutoDefault(false);
    process_ = namedButton(u"Button2"_s, u"&Process"_s, this);
    process_->setDefault(true);
    close_ = namedButton(u"Button3"_s, u"Cancel"_s, this);
    close_->setAutoDefault(false);

    auto* details = new QGroupBox(u"Details"_s, this);
    details->setObjectName(u"GroupBox1"_s);
    auto* grid = new QGridLayout(details);
    characters_ = namedLabel(u"Label4"_s, u"0"_s, details);
    linksFound_ = namedLabel(u"Label5"_s, u"0"_s, details);
    linksIgnored_ = namedLabel(u"Label7"_s, u"0"_s, details);
    grid->addWidget(namedLabel(u"Label2"_s, u"Characters:"_s, details), 0, 0);
    grid->addWidget(characters_, 0, 1);
    grid->addWidget(namedLabel(u"Label3"_s, u"Links found:"_s, details), 1, 0);
    grid->addWidget(linksFound_, 1, 1);
    grid->addWidget(namedLabel(u"Label6"_s, u"Links ignored:"_s, details), 2, 0);
    grid->addWidget(linksIgnored_, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(source_, 1);
    sourceRow->addWidget(browse_);
    auto* processRow = new QHBoxLayout;
    processRow->addWidget(process_);
    processRow->addStretch(1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel(u"Label1"_s, u"HTML Source:"_s, this));
    layout->addLayout(sourceRow);
    layout->addLayout(processRow);
    layout->addWidget(details);
    layout->addStretch(1);
    layout->addLayout(closeRow);
    source_->setFocus();
}

void ParseHtmlDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        onShown();
    }
}

void ParseHtmlDialog::onShown() {
    showCounters({});
    showHistory(core::MruHistory::load(*services_.userStore, core::mru::kImport));
    source_->setFocus();
}

void ParseHtmlDialog::onBrowseClicked() {
    platform::FileDialogRequest request;
    request.filters = {{"HTML Files", "*.htm; *.html"}, {"All files", "*.*"}};
    if (const auto path = services_.prompts->openFile(request)) {
        ShownBytes::show(*source_, *path);
    }
}

void ParseHtmlDialog::onProcessClicked() {
    if (isRunning()) {
        return;
    }
    processing_ = true;
    if (!startRun()) {
        runFinished();
    }
}

void ParseHtmlDialog::onCloseClicked() {
    accept();
}

void ParseHtmlDialog::reject() {
    if (isRunning() && processing_) {
        closeAfterRun_ = true;
        driver_.cancel();
    } else {
        onCloseClicked();
    }
}

void ParseHtmlDialog::parseDroppedFile(const std::string& path) {
    if (isRunning()) {
        return;
    }
    processing_ = false;
    ShownBytes::show(*source_, path);
    if (!startRun()) {
        runFinished();
    }
}

bool ParseHtmlDialog::startRun() {
    auto run =
        core::ParseHtmlRun::start(ShownBytes::read(*source_), *services_.settings, *services_.links,
                                  *this, *services_.prompts, *services_.statusBar);
    if (!run) {
        return false;
    }
    setRunning(true);
    driver_.start(std::move(run), [this] { runFinished(); });
    return true;
}

void ParseHtmlDialog::runFinished() {
    setRunning(false);
    if (std::exchange(processing_, false)) {
        saveHistory();
    }
    emit runEnded();
    if (std::exchange(closeAfterRun_, false)) {
        onCloseClicked();
    }
}

void ParseHtmlDialog::setRunning(bool running) {
    for (QWidget* control : {static_cast<QWidget*>(process_), static_cast<QWidget*>(browse_),
                             static_cast<QWidget*>(source_), static_cast<QWidget*>(close_)}) {
        control->setEnabled(!running);
    }
    sinceRefresh_.start();
}

void ParseHtmlDialog::saveHistory() {
    try {
        std::vector<std::string> entries;
        for (int i = 0; i < source_->count(); ++i) {
            entries.push_back(ShownBytes::item(*source_, i));
        }
        showHistory(core::MruHistory::save(*services_.userStore, core::mru::kImport, entries,
                                           ShownBytes::read(*source_)));
    } catch (const platform::RegistryError& error) {
        services_.prompts->report({platform::FailureKind::General, error.what()});
    }
}

// The box keeps its text, the path used last, whatever the list holds.
void ParseHtmlDialog::showHistory(const std::vector<std::string>& entries) {
    const std::string text = ShownBytes::read(*source_);
    source_->clear();
    for (const std::string& entry : entries) {
        ShownBytes::addItem(*source_, entry);
    }
    source_->setCurrentIndex(-1);
    ShownBytes::show(*source_, text);
}

// The labels change only when the refresh interval has passed, and always at the end.
void ParseHtmlDialog::progressed(const core::ScanCounters& counters) {
    if (sinceRefresh_.elapsed() < refreshInterval_.count()) {
        return;
    }
    showCounters(counters);
    sinceRefresh_.start();
}

void ParseHtmlDialog::ended(const core::ScanCounters& counters, bool whole) {
    showCounters(counters);
    if (whole) {
        close_->setText(u"Close"_s);
    }
}

void ParseHtmlDialog::showCounters(const core::ScanCounters& counters) {
    characters_->setText(QString::number(counters.characters));
    linksFound_->setText(QString::number(counters.linksFound));
    linksIgnored_->setText(QString::number(counters.linksIgnored));
}

} // namespace harvex2::ui
