#include "ui/sequence/NewDirectoryDialog.h"

#include "core/sequence/NewDirectory.h"
#include "ui/platform/TextBytes.h"

#include <utility>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

constexpr QSize kClientSize{313, 150};
constexpr int kPathWidth = 273;

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(at);
    return button;
}

} // namespace

NewDirectoryDialog::NewDirectoryDialog(platform::LocalFolders& folders, platform::Prompts& prompts,
                                       std::string createIn, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      folders_(folders), prompts_(prompts), createIn_(std::move(createIn)) {
    setObjectName(u"TOKBottomDlg"_s);
    setWindowTitle(u"Create New Directory"_s);
    buildControls();
    setFixedSize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    connect(ok_, &QPushButton::clicked, this, &NewDirectoryDialog::OKBtnClick);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void NewDirectoryDialog::buildControls() {
    auto* bevel = new QFrame(this);
    bevel->setObjectName(u"Bevel1"_s);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 8, 297, 105);

    addLabel(this, "Label1", u"Create In:"_s, {20, 20});
    const QString path = fromPathBytes(createIn_);
    path_ = addLabel(this, "Label2", path, {20, 38});
    path_->setFixedWidth(kPathWidth);
    path_->setText(path_->fontMetrics().elidedText(path, Qt::ElideMiddle, kPathWidth));
    path_->setToolTip(path);
    addLabel(this, "Label3", u"New folder name:"_s, {20, 62});
    name_ = new QLineEdit(this);
    name_->setObjectName(u"Edit1"_s);
    name_->setGeometry(20, 78, kPathWidth, 21);

    ok_ = addButton(this, "OKBtn", u"OK"_s, {79, 124, 75, 25});
    ok_->setDefault(true);
    cancel_ = addButton(this, "CancelBtn", u"Cancel"_s, {159, 124, 75, 25});
    name_->setFocus();
}

void NewDirectoryDialog::OKBtnClick() {
    core::NewDirectory::create(folders_, prompts_, createIn_, toPathBytes(name_->text()));
    accept();
}

} // namespace harvex2::ui
