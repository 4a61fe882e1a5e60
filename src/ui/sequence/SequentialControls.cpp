#include "ui/sequence/SequentialControls.h"

#include "core/sequence/SequenceFields.h"
#include "ui/sequence/SpinButtons.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

constexpr int kBoxHeight = 21;
constexpr int kSpinWidth = 15;

template <class T> T* named(T* widget, const char* name, QRect geometry) {
    widget->setObjectName(QLatin1StringView(name));
    widget->setGeometry(geometry);
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    return named(new QGroupBox(title, parent), name, geometry);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* shown = named(new QLabel(text, parent), name, {at, QSize()});
    shown->adjustSize();
    return shown;
}

QComboBox* historyBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = named(new QComboBox(parent), name, geometry);
    box->setEditable(true);
    // The history follows the program's own rules; Enter must not add to it.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* pressed = named(new QPushButton(text, parent), name, geometry);
    pressed->setAutoDefault(false);
    return pressed;
}

// An edit for a number with its spin buttons at its right.
QLineEdit* numberEdit(QWidget* parent, const char* name, const char* spinName, const QString& text,
                      QRect geometry, std::pair<int, int> range, SpinButtons*& spin) {
    auto* edit = named(new QLineEdit(text, parent), name, geometry);
    spin = named(new SpinButtons(*edit, range.first, range.second, parent), spinName,
                 {geometry.right() + 1, geometry.top(), kSpinWidth, geometry.height()});
    return edit;
}

void buildUrlGroup(QDialog& dialog, SequentialControls& c) {
    QGroupBox* box = group(&dialog, "GroupBox1", u"URL"_s, {16, 12, 260, 155});
    label(box, "Label1", u"URL:"_s, {12, 26});
    c.url = historyBox(box, "Edit1", {49, 22, 192, kBoxHeight});
    const QLabel* markerLabel =
        label(box, "Label2", u"Character indicating digit position:"_s, {12, 52});
    // A wider font than the design's must not push the label under the list.
    const int markerLeft = std::max(190, markerLabel->geometry().right() + 6);
    c.marker = named(new QComboBox(box), "ComboBox1", {markerLeft, 48, 36, kBoxHeight});
    for (const char marker : core::kDigitMarkers) {
        c.marker->addItem(QString(QLatin1Char(marker)));
    }
    c.marker->setCurrentIndex(0);
    c.example = named(new QLabel(box), "Label7", {12, 72, 236, 15});
    c.example->setEnabled(false);
    c.last = named(new QLabel(box), "Label11", {12, 87, 236, 15});
    c.last->setEnabled(false);
    label(box, "Label3", u"Download Directory:"_s, {17, 106});
    c.downloadDir = historyBox(box, "Edit5", {17, 121, 194, kBoxHeight});
    c.browse = button(box, "Button3", u"..."_s, {219, 120, 23, 22});
}

void buildZerosGroup(QDialog& dialog, SequentialControls& c) {
    QGroupBox* box = group(&dialog, "GroupBox3", u"Zeros"_s, {16, 175, 261, 58});
    c.zeros = named(new QCheckBox(u"Yes"_s, box), "CheckBox1", {16, 24, 60, 17});
    label(box, "Label9", u"Positions:"_s, {104, 26});
    c.positions = numberEdit(box, "Edit4", "UpDown3", u"1"_s, {162, 22, 40, kBoxHeight}, {1, 100},
                             c.positionsSpin);
}

void buildTargetGroup(QDialog& dialog, SequentialControls& c) {
    QGroupBox* box = group(&dialog, "GroupBox4", u"Add to"_s, {16, 241, 259, 65});
    c.toAdding =
        named(new QRadioButton(u"NetVamp/ReGet"_s, box), "RadioButton1", {16, 18, 200, 17});
    c.toList = named(new QRadioButton(u"Harvex"_s, box), "RadioButton2", {16, 40, 200, 17});
    c.toAdding->setChecked(true);
}

void buildRangeGroup(QDialog& dialog, SequentialControls& c) {
    QGroupBox* box = group(&dialog, "GroupBox2", u"Range"_s, {285, 12, 146, 122});
    label(box, "Label4", u"Start at:"_s, {12, 26});
    c.start = numberEdit(box, "Edit2", "UpDown1", u"0"_s, {64, 22, 57, kBoxHeight}, {0, 32767},
                         c.startSpin);
    label(box, "Label6", u"Go to:"_s, {12, 58});
    c.goTo = numberEdit(box, "Edit3", "UpDown2", u"0"_s, {64, 54, 57, kBoxHeight}, {0, 32767},
                        c.goToSpin);
    label(box, "Label8", u"Step:"_s, {12, 90});
    c.step =
        numberEdit(box, "Edit6", "UpDown4", u"1"_s, {64, 86, 57, kBoxHeight}, {1, 255}, c.stepSpin);
}

void buildPreviewGroup(QDialog& dialog, SequentialControls& c) {
    QGroupBox* box = group(&dialog, "GroupBox5", u"Preview"_s, {288, 144, 261, 169});
    // A table of rows of one fixed height lays out a million rows at once, where a tree
    // view walks every row again each time rows are added.
    QTableView* preview = named(new QTableView(box), "ListBox1", {12, 18, 237, 111});
    preview->setShowGrid(false);
    preview->setWordWrap(false);
    preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    preview->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* rows = preview->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(preview->fontMetrics().height() + 2);
    QHeaderView* columns = preview->horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.preview = preview;
    c.test = button(box, "Button4", u"Test"_s, {174, 134, 75, 25});
}

} // namespace

SequentialControls SequentialControls::build(QDialog& dialog) {
    SequentialControls c{};
    buildUrlGroup(dialog, c);
    buildZerosGroup(dialog, c);
    buildTargetGroup(dialog, c);
    buildRangeGroup(dialog, c);
    buildPreviewGroup(dialog, c);
    c.pleaseWait = label(&dialog, "Label5", u"Please wait..."_s, {16, 320});
    c.pleaseWait->hide();
    c.progress = named(new QProgressBar(&dialog), "ProgressBar1", {99, 317, 176, 16});
    c.progress->setTextVisible(false);
    c.progress->setRange(0, 100);
    c.progress->setValue(0);
    c.add = button(&dialog, "Button1", u"Add"_s, {474, 320, 75, 25});
    c.add->setDefault(true);
    c.close = button(&dialog, "Button2", u"Close"_s, {389, 320, 75, 25});
    c.save = button(&dialog, "Button5", u"Save..."_s, {453, 28, 75, 25});
    c.load = button(&dialog, "Button6", u"Load..."_s, {453, 64, 75, 25});
    c.glob = named(new QCheckBox(u"Bracket template"_s, &dialog), "CheckBox2", {441, 100, 110, 17});
    c.count = named(new QLabel(&dialog), "Label10", {441, 120, 110, 15});
    return c;
}

} // namespace harvex2::ui
