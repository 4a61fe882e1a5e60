#include "ui/extract/MultipleSetupDialog.h"

#include "core/extract/MultipleParse.h"
#include "ui/extract/MultipleProgressWindow.h"
#include "ui/extract/MultipleRunView.h"
#include "ui/platform/ShownBytes.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/Artwork.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

template <class T> T* named(T* widget, const char* name, QRect geometry) {
    widget->setObjectName(QLatin1StringView(name));
    widget->setGeometry(geometry);
    return widget;
}

QRadioButton* boldRadio(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* radio = named(new QRadioButton(text, parent), name, {at, QSize()});
    QFont bold = radio->font();
    bold.setBold(true);
    radio->setFont(bold);
    radio->adjustSize();
    return radio;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return named(new QPushButton(text, parent), name, geometry);
}

} // namespace

MultipleSetupDialog::~MultipleSetupDialog() = default;

MultipleSetupDialog::MultipleSetupDialog(AppServices& services, BaseUrlPrompt& prompt,
                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(services), prompt_(prompt) {
    setObjectName(u"TForm10"_s);
    setWindowTitle(u"Parse Multiple Files"_s);
    auto* image = named(new QLabel(this), "Image1", {16, 16, 32, 32});
    image->setPixmap(Artwork::windowIcon().pixmap(32, 32));
    buildFiles();
    buildMethod();
    buildButtons();
    setFixedSize(544, 296);
}

void MultipleSetupDialog::buildFiles() {
    auto* box = named(new QGroupBox(u"Files"_s, this), "GroupBox1", {64, 8, 464, 140});
    list_ = named(new QListWidget(box), "ListBox1", {12, 22, 440, 106});
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* remove = new QAction(u"Remove"_s, list_);
    remove->setObjectName(u"Remove1"_s);
    list_->addAction(remove);
    connect(remove, &QAction::triggered, this, &MultipleSetupDialog::removeSelected);
}

void MultipleSetupDialog::buildMethod() {
    auto* box = named(new QGroupBox(u"Method"_s, this), "GroupBox2", {64, 154, 464, 100});
    oneBase_ = boldRadio(box, "RadioButton1", u"Use one Base URL for each file"_s, {12, 20});
    baseLabel_ = named(new QLabel(u"Base URL:"_s, box), "Label1", {32, 42, 64, 18});
    base_ = named(new QLineEdit(box), "txtBase", {100, 40, 352, 21});
    ShownBytes::show(*base_, "http://");
    eachFile_ = boldRadio(box, "RadioButton2", u"Specify a Base URL for each file"_s, {12, 62});
    named(new QLabel(u"You will be prompted for the infomation at the start of each file."_s, box),
          "Label3", {32, 80, 420, 16});
    oneBase_->setChecked(true);
    connect(oneBase_, &QRadioButton::clicked, this, &MultipleSetupDialog::onOneBaseClicked);
    connect(eachFile_, &QRadioButton::clicked, this, &MultipleSetupDialog::onEachFileClicked);
}

void MultipleSetupDialog::buildButtons() {
    start_ = button(this, "Button1", u"&Start"_s, {368, 262, 75, 25});
    start_->setDefault(true);
    close_ = button(this, "Button2", u"Cancel"_s, {453, 262, 75, 25});
    close_->setAutoDefault(false);
    connect(start_, &QPushButton::clicked, this, &MultipleSetupDialog::onStartClicked);
    connect(close_, &QPushButton::clicked, this, &MultipleSetupDialog::onCloseClicked);
}

void MultipleSetupDialog::parseFiles(const std::vector<std::string>& paths) {
    list_->clear();
    for (const std::string& path : paths) {
        auto* item = new QListWidgetItem(fromPathBytes(path), list_);
        item->setData(kPathRole, QByteArray::fromStdString(path));
    }
    exec();
}

std::vector<std::string> MultipleSetupDialog::files() const {
    std::vector<std::string> paths;
    for (int i = 0; i < list_->count(); ++i) {
        paths.push_back(list_->item(i)->data(kPathRole).toByteArray().toStdString());
    }
    return paths;
}

void MultipleSetupDialog::onOneBaseClicked() {
    enableBase(true);
}

void MultipleSetupDialog::onEachFileClicked() {
    enableBase(false);
}

void MultipleSetupDialog::enableBase(bool enabled) {
    baseLabel_->setEnabled(enabled);
    base_->setEnabled(enabled);
}

void MultipleSetupDialog::onStartClicked() {
    if (isRunning()) {
        return;
    }
    const std::vector<std::string> paths = files();
    progress_->prepare(static_cast<int>(paths.size()));
    view_ = std::make_unique<MultipleRunView>(*progress_, prompt_, *base_);
    run_ = std::make_unique<core::MultipleParse>(
        *services_.settings, *services_.links, *services_.prompts, *view_, paths,
        eachFile_->isChecked() ? core::BaseUrlMethod::EachFile : core::BaseUrlMethod::OneForAll);
    setRunning(true);
    driveRun();
}

void MultipleSetupDialog::driveRun() {
    driver_.start(run_->slices(),
                  [this] { run_->ask([this](bool goesOn) { goesOn ? driveRun() : runEnded(); }); });
}

void MultipleSetupDialog::runEnded() {
    run_.reset();
    setRunning(false);
    // Also after a run that stopped at a missing base.
    close_->setText(u"Close"_s);
    accept();
}

void MultipleSetupDialog::setRunning(bool running) {
    for (QWidget* control : {static_cast<QWidget*>(start_), static_cast<QWidget*>(list_),
                             static_cast<QWidget*>(oneBase_), static_cast<QWidget*>(eachFile_)}) {
        control->setEnabled(!running);
    }
    enableBase(!running && oneBase_->isChecked());
}

void MultipleSetupDialog::onCloseClicked() {
    if (isRunning()) {
        driver_.cancel();
    } else {
        accept();
    }
}

void MultipleSetupDialog::reject() {
    onCloseClicked();
}

void MultipleSetupDialog::removeSelected() {
    qDeleteAll(list_->selectedItems());
}

} // namespace harvex2::ui
