#include "ui/listfiles/SaveLinksDialog.h"

#include "platform/Prompts.h"
#include "ui/platform/ShownBytes.h"
#include "ui/shell/AppServices.h"

#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kButtonSize(75, 25);
// The height the row of lists for download managers adds.
constexpr int kManagerRow = 20;

QRadioButton* addRadio(QWidget& group, const QString& caption, const char* name, int top) {
    auto* radio = new QRadioButton(caption, &group);
    radio->setObjectName(QLatin1StringView(name));
    // Only the circle and the caption take a click; the button is no wider than they are.
    radio->move(12, top);
    radio->adjustSize();
    return radio;
}

} // namespace

SaveLinksDialog::SaveLinksDialog(AppServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      services_(services) {
    setObjectName(u"TForm6"_s);
    setWindowTitle(u"Save Links"_s);
    setFixedSize(281, 287 + kManagerRow);
    buildFileName();
    buildFileType();
    buildScope();
    buildButtons();
}

void SaveLinksDialog::buildFileName() {
    auto* label = new QLabel(u"Filename:"_s, this);
    label->setObjectName(u"Label1"_s);
    label->setGeometry(8, 8, 100, 16);
    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(u"Edit1"_s);
    fileName_->setGeometry(8, 26, 233, 21);
    auto* browse = new QPushButton(u"..."_s, this);
    browse->setObjectName(u"Button1"_s);
    browse->setAutoDefault(false);
    browse->setGeometry(248, 25, 25, 23);
    connect(browse, &QPushButton::clicked, this, &SaveLinksDialog::onBrowseClicked);
}

void SaveLinksDialog::buildFileType() {
    auto* group = new QGroupBox(u"Filetype"_s, this);
    group->setObjectName(u"GroupBox2"_s);
    group->setGeometry(8, 58, 265, 82 + kManagerRow);
    harvex_ = addRadio(*group, u"Harvex Links List"_s, "radHarvex", 18);
    html_ = addRadio(*group, u"HTML File"_s, "radHTML", 38);
    text_ = addRadio(*group, u"Plaintext"_s, "radText", 58);
    manager_ = addRadio(*group, u"For"_s, "radManager", 78);
    managerForm_ = new QComboBox(group);
    managerForm_->setObjectName(u"cmbManager"_s);
    managerForm_->addItems(
        {u"aria2 (input file)"_s, u"wget (list)"_s, u"curl (config)"_s, u"JSON Lines"_s});
    managerForm_->move(manager_->geometry().right() + 6, 76);
    harvex_->setChecked(true);
    connect(harvex_, &QRadioButton::clicked, this, &SaveLinksDialog::onListFileChosen);
    connect(html_, &QRadioButton::clicked, this, &SaveLinksDialog::onHtmlPageChosen);
    connect(text_, &QRadioButton::clicked, this, &SaveLinksDialog::onPlainTextChosen);
    connect(manager_, &QRadioButton::clicked, this, &SaveLinksDialog::onPlainTextChosen);
    connect(managerForm_, &QComboBox::activated, manager_, &QRadioButton::click);
}

void SaveLinksDialog::buildScope() {
    auto* group = new QGroupBox(u"Save"_s, this);
    group->setObjectName(u"GroupBox1"_s);
    group->setGeometry(8, 146 + kManagerRow, 265, 102);
    all_ = addRadio(*group, u"All"_s, "RadioButton1", 18);
    checked_ = addRadio(*group, u"Selected links only"_s, "RadioButton2", 36);
    unchecked_ = addRadio(*group, u"Unselected links only"_s, "RadioButton3", 54);
    all_->setChecked(true);
    note_ = new QLabel(u"Harvex Links List file saves details of selected/unselected entries."_s,
                       group);
    note_->setObjectName(u"Label2"_s);
    note_->setWordWrap(true);
    note_->setGeometry(12, 72, 241, 28);
    enableScope(false);
}

void SaveLinksDialog::buildButtons() {
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"Button2"_s);
    ok->setDefault(true);
    ok->setGeometry({QPoint(118, 255 + kManagerRow), kButtonSize});
    auto* cancel = new QPushButton(u"Cancel"_s, this);
    cancel->setObjectName(u"Button3"_s);
    cancel->setAutoDefault(false);
    cancel->setGeometry({QPoint(198, 255 + kManagerRow), kButtonSize});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The "Save" choices stay as they were while they are disabled.
void SaveLinksDialog::enableScope(bool enabled) {
    for (QRadioButton* radio : {all_, checked_, unchecked_}) {
        radio->setEnabled(enabled);
    }
    note_->setVisible(!enabled);
}

void SaveLinksDialog::onListFileChosen() {
    enableScope(false);
}

void SaveLinksDialog::onHtmlPageChosen() {
    enableScope(true);
}

void SaveLinksDialog::onPlainTextChosen() {
    enableScope(true);
}

void SaveLinksDialog::onBrowseClicked() {
    const auto path =
        services_.prompts->saveFile({"Save HTML File...",
                                     {{"HTML Files", "*.htm; *.html"}, {"All files", "*.*"}},
                                     0,
                                     ShownBytes::read(*fileName_),
                                     "htm"});
    if (path) {
        ShownBytes::show(*fileName_, *path);
    }
}

core::SaveChoice SaveLinksDialog::choice() const {
    core::SaveChoice result;
    result.path = ShownBytes::read(*fileName_);
    static constexpr core::SaveFormat kManagerForms[] = {
        core::SaveFormat::Aria2Input, core::SaveFormat::WgetList, core::SaveFormat::CurlConfig,
        core::SaveFormat::JsonLines};
    result.format = harvex_->isChecked() ? core::SaveFormat::LinkList
                    : html_->isChecked() ? core::SaveFormat::HtmlPage
                    : manager_->isChecked()
                        ? kManagerForms[std::clamp(managerForm_->currentIndex(), 0, 3)]
                        : core::SaveFormat::PlainText;
    result.scope = checked_->isChecked()     ? core::SaveScope::Selected
                   : unchecked_->isChecked() ? core::SaveScope::Unselected
                                             : core::SaveScope::All;
    return result;
}

void SaveLinksDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    fileName_->setFocus();
}

} // namespace harvex2::ui
