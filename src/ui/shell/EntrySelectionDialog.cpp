#include "ui/shell/EntrySelectionDialog.h"

#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/EntrySelectionNames.h"
#include "ui/shell/MainWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

using Names = EntrySelectionNames;

template <class Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1StringView(name));
    return control;
}

QGroupBox* group(const char* name, const QString& title, QWidget* parent) {
    return named(new QGroupBox(title, parent), name);
}

} // namespace

EntrySelectionDialog::EntrySelectionDialog(AppServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services) {
    setObjectName(QLatin1StringView(Names::kWindow));
    setWindowTitle(u"Select Special"_s);
    // Created in keyboard order: the two groups, then OK and Cancel.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildDeselectGroup());
    layout->addWidget(buildSelectGroup());
    layout->addStretch(1);
    ok_ = named(new QPushButton(u"OK"_s, this), Names::kOk);
    ok_->setDefault(true);
    cancel_ = named(new QPushButton(u"Cancel"_s, this), Names::kCancel);
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    setFixedSize(304, 231);

    connect(ok_, &QPushButton::clicked, this, &EntrySelectionDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &EntrySelectionDialog::reject);
    connect(byExtension_, &QRadioButton::clicked, this, &EntrySelectionDialog::matchByExtension);
    connect(byText_, &QRadioButton::clicked, this, &EntrySelectionDialog::matchByText);
}

QGroupBox* EntrySelectionDialog::buildDeselectGroup() {
    QGroupBox* box = group(Names::kDeselectGroup, u"First, deselect"_s, this);
    everything_ = named(new QRadioButton(u"Everything"_s, box), Names::kDeselectEverything);
    nothing_ = named(new QRadioButton(u"Nothing"_s, box), Names::kDeselectNothing);
    everything_->setChecked(true);
    auto* row = new QHBoxLayout(box);
    row->addWidget(everything_);
    row->addWidget(nothing_);
    row->addStretch(1);
    return box;
}

QGroupBox* EntrySelectionDialog::buildSelectGroup() {
    QGroupBox* box = group(Names::kSelectGroup, u"Then, select"_s, this);
    byExtension_ =
        named(new QRadioButton(u"All files with extension:"_s, box), Names::kByExtension);
    byExtension_->setChecked(true);
    extension_ = named(new QComboBox(box), Names::kExtension);
    extension_->setEditable(true);
    // Enter confirms the dialog; the typed text must not join the list.
    extension_->setInsertPolicy(QComboBox::NoInsert);
    extension_->addItems({u".jpg"_s, u".jpeg"_s, u".gif"_s, u".zip"_s, u".tar"_s, u".z"_s,
                          u".doc"_s, u".txt"_s, u".htm"_s, u".html"_s, u".adf"_s, u".bmp"_s,
                          u".png"_s});
    extension_->setCurrentIndex(-1);
    extension_->setEditText({});
    byText_ = named(new QRadioButton(u"All links containing text:"_s, box), Names::kByText);
    text_ = named(new QLineEdit(box), Names::kText);

    auto* grid = new QGridLayout(box);
    grid->addWidget(byExtension_, 0, 0);
    grid->addWidget(extension_, 0, 1);
    grid->addWidget(byText_, 1, 0);
    grid->addWidget(text_, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void EntrySelectionDialog::matchByExtension() {
    extension_->setEnabled(true);
    text_->setEnabled(false);
}

void EntrySelectionDialog::matchByText() {
    text_->setEnabled(true);
    extension_->setEnabled(false);
}

void EntrySelectionDialog::accept() {
    extension_->setEditText(
        fromBytes(core::normaliseExtension(toBytes(extension_->currentText()))));
    QDialog::accept();
    core::applySelectRule(*services_.links, rule());
}

core::SelectRule EntrySelectionDialog::rule() const {
    return {everything_->isChecked(),
            byExtension_->isChecked() ? core::SelectRule::Match::Extension
                                      : core::SelectRule::Match::Text,
            toBytes(extension_->currentText()), toBytes(text_->text())};
}

std::unique_ptr<QWidget> makeEntrySelectionDialog(AppServices& services) {
    return std::make_unique<EntrySelectionDialog>(services, services.mainWindow);
}

} // namespace harvex2::ui
