#include "ui/sequence/SequentialDialog.h"

#include "core/handoff/TargetWording.h"
#include "core/sequence/GlobPreview.h"
#include "core/sequence/SequencePlan.h"
#include "core/sequence/TemplateFromUrl.h"
#include "ui/platform/TextBytes.h"
#include "ui/sequence/PreviewColumnSizer.h"
#include "ui/sequence/ProfileButtons.h"
#include "ui/sequence/SequencePreviewModel.h"
#include "ui/sequence/SpinButtons.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/DirectoryBrowser.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/WindowCatalog.h"

#include <limits>
#include <optional>
#include <string>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableView>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
constexpr QSize kClientSize(555, 351);
constexpr std::uint64_t kBarLimit = std::numeric_limits<int>::max();

// `lead` and as much of the end of `url` as fits the label; the whole URL in its tooltip.
void showUrl(QLabel& label, const QString& lead, const std::optional<std::string>& url) {
    const QString text = url ? fromBytes(*url) : QString();
    const int room = label.width() - label.fontMetrics().horizontalAdvance(lead);
    label.setText(url ? lead + label.fontMetrics().elidedText(text, Qt::ElideLeft, room)
                      : QString());
    label.setToolTip(text);
}
} // namespace

SequentialDialog::SequentialDialog(AppServices& services, core::AddingWindowPort& adding,
                                   std::function<RunDriver::Clock::time_point()> now,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services), controls_(SequentialControls::build(*this)),
      model_(new SequencePreviewModel(this)), urlHistory_(*controls_.url),
      dirHistory_(*controls_.downloadDir),
      actions_({*this, *services.prompts, *services.userStore, *services.settings, *services.links,
                adding, urlHistory_, dirHistory_,
                [this](std::unique_ptr<core::SlicedRun> run, std::function<void()> finished) {
                    driver_.start(std::move(run), std::move(finished));
                }}),
      driver_(nullptr, std::move(now)) {
    setObjectName(u"TForm4"_s);
    setWindowTitle(u"Add Sequential Files"_s);
    setFixedSize(kClientSize);
    controls_.preview->setModel(model_);
    new PreviewColumnSizer(*controls_.preview, *model_);
    connectControls();
    if (services.mainWindow) {
        // The program is ending: a series half made is handed nowhere.
        connect(services.mainWindow, &MainWindow::closed, this, [this] { actions_.cancel(); });
    }
}

void SequentialDialog::connectControls() {
    const SequentialControls& c = controls_;
    connect(c.add, &QPushButton::clicked, this, &SequentialDialog::onAddClicked);
    connect(c.close, &QPushButton::clicked, this, &SequentialDialog::onCloseClicked);
    connect(c.browse, &QPushButton::clicked, this, &SequentialDialog::onBrowseClicked);
    connect(c.test, &QPushButton::clicked, this, &SequentialDialog::onTestClicked);
    connect(c.save, &QPushButton::clicked, this, &SequentialDialog::onSaveProfileClicked);
    connect(c.load, &QPushButton::clicked, this, &SequentialDialog::onLoadProfileClicked);
    // The example follows every field it is made from.
    const auto example = [this] { showExample(); };
    connect(c.url, &QComboBox::editTextChanged, this, example);
    connect(c.marker, &QComboBox::currentIndexChanged, this, example);
    connect(c.zeros, &QCheckBox::toggled, this, example);
    connect(c.positions, &QLineEdit::textChanged, this, example);
    connect(c.start, &QLineEdit::textChanged, this, example);
    connect(c.glob, &QCheckBox::toggled, this, [this] {
        enableFields();
        showExample();
    });
}

void SequentialDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        controls_.toAdding->setText(
            fromBytes(core::TargetWording::sequenceChoice(services_.settings->mode)));
        actions_.loadHistories();
    }
}

core::SequenceFields SequentialDialog::fields() const {
    const SequentialControls& c = controls_;
    return {toBytes(c.url->currentText()),
            c.marker->currentIndex(),
            toBytes(c.downloadDir->currentText()),
            c.zeros->isChecked(),
            toBytes(c.positions->text()),
            c.toAdding->isChecked(),
            toBytes(c.start->text()),
            toBytes(c.goTo->text()),
            toBytes(c.step->text()),
            c.glob->isChecked()};
}

void SequentialDialog::setFields(const core::SequenceFields& fields) {
    const SequentialControls& c = controls_;
    c.url->setEditText(fromBytes(fields.url));
    c.marker->setCurrentIndex(fields.marker() ? fields.charDigit : -1);
    c.downloadDir->setEditText(fromBytes(fields.downloadDir));
    c.zeros->setChecked(fields.zeros);
    c.positions->setText(fromBytes(fields.zerosCount));
    (fields.nv ? c.toAdding : c.toList)->setChecked(true);
    c.start->setText(fromBytes(fields.start));
    c.goTo->setText(fromBytes(fields.end));
    c.step->setText(fromBytes(fields.step));
    c.glob->setChecked(fields.glob);
}

void SequentialDialog::showExample() {
    if (controls_.glob->isChecked()) {
        showGlobPreview();
        return;
    }
    showUrl(*controls_.example, u"First URL: "_s, core::SequencePlan::example(fields()));
    showUrl(*controls_.last, {}, std::nullopt);
    controls_.count->clear();
}

// Counted, not expanded: a template of a billion URLs answers at once.
void SequentialDialog::showGlobPreview() {
    const SequentialControls& c = controls_;
    const auto preview = core::GlobPreview::of(toBytes(c.url->currentText()));
    const bool ok = preview.problem.empty();
    showUrl(*c.example, u"First URL: "_s, ok ? std::optional(preview.first) : std::nullopt);
    showUrl(*c.last, u"Last URL: "_s, ok ? std::optional(preview.last) : std::nullopt);
    if (!ok) {
        c.example->setText(fromBytes(preview.problem));
        c.example->setToolTip(c.example->text());
    }
    const QString count = fromBytes(core::GlobPreview::groupedDigits(preview.count));
    c.count->setText(!ok ? QString() : count + (preview.count == 1 ? u" URL"_s : u" URLs"_s));
}

void SequentialDialog::enableFields() {
    const SequentialControls& c = controls_;
    const bool adding = run_ == core::SequenceRunKind::Add;
    const bool marker = !c.glob->isChecked();
    c.url->setEnabled(!adding);
    for (QWidget* field : std::initializer_list<QWidget*>{c.start, c.startSpin, c.goTo, c.goToSpin,
                                                          c.step, c.stepSpin}) {
        field->setEnabled(!adding && marker);
    }
    for (QWidget* field :
         std::initializer_list<QWidget*>{c.marker, c.zeros, c.positions, c.positionsSpin}) {
        field->setEnabled(marker);
    }
    c.glob->setEnabled(run_ == core::SequenceRunKind::None);
}

void SequentialDialog::openWithTemplateOf(const std::string& url) {
    controls_.glob->setChecked(true);
    controls_.url->setEditText(fromBytes(core::TemplateFromUrl::make(url)));
    exec();
}

void SequentialDialog::onAddClicked() {
    actions_.add(fields());
}

void SequentialDialog::onCloseClicked() {
    QDialog::reject();
}

void SequentialDialog::onBrowseClicked() {
    // The browser is made after this dialog at start-up, so it is looked up when needed.
    auto* browser =
        dynamic_cast<DirectoryBrowser*>(services_.windows->window(WindowSlot::BrowseDir));
    if (!browser) {
        return;
    }
    if (const auto directory = browser->browse()) {
        controls_.downloadDir->setEditText(fromBytes(*directory));
    }
}

void SequentialDialog::onTestClicked() {
    actions_.test(fields());
}

void SequentialDialog::onSaveProfileClicked() {
    ProfileButtons(services_, *this).save();
}

void SequentialDialog::onLoadProfileClicked() {
    ProfileButtons(services_, *this).load();
}

void SequentialDialog::reject() {
    if (!actions_.running()) {
        onCloseClicked();
    }
}

void SequentialDialog::setRunning(core::SequenceRunKind kind) {
    const SequentialControls& c = controls_;
    const bool idle = kind == core::SequenceRunKind::None;
    run_ = kind;
    c.pleaseWait->setVisible(!idle);
    enableFields();
    // Events flow during a run: nothing may start a second one or open another window.
    for (QWidget* button : {c.add, c.close, c.test, c.save, c.load, c.browse}) {
        button->setEnabled(idle);
    }
    repaint();
}

void SequentialDialog::setProgressMaximum(std::uint64_t maximum) {
    progressScale_ = maximum / kBarLimit + 1;
    controls_.progress->setRange(0, static_cast<int>(maximum / progressScale_));
}

void SequentialDialog::setProgressPosition(std::uint64_t position) {
    controls_.progress->setValue(static_cast<int>(position / progressScale_));
}

core::SequenceSink& SequentialDialog::clearPreview(const std::string& downloadDir) {
    model_->clear(downloadDir);
    return *model_;
}

void SequentialDialog::setMainDownloadDirectory(const std::string& directory) {
    if (auto* main = services_.mainWindow) {
        main->directoryBox()->setEditText(fromBytes(directory));
    }
}

void SequentialDialog::closeWithOk() {
    accept();
}

} // namespace harvex2::ui
