#include "ui/extract/BaseUrlPrompt.h"

#include "ui/platform/ShownBytes.h"
#include "ui/platform/TextBytes.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {
constexpr int kWidth = 387;
constexpr int kHeight = 86;
} // namespace

BaseUrlPrompt::BaseUrlPrompt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(u"TForm12"_s);
    setWindowTitle(u"Enter base URL"_s);
    auto* label = new QLabel(u"Please enter the Base URL to use with the file"_s, this);
    label->setObjectName(u"Label1"_s);
    fileName_ = new QLabel(this);
    fileName_->setObjectName(u"lblFileName"_s);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(u"Edit1"_s);
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"Button1"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &QDialog::accepted, this, [this] {
        if (auto answered = std::exchange(answered_, {})) {
            answered(ShownBytes::read(*edit_));
        }
    });

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(label);
    nameRow->addWidget(fileName_, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(edit_);
    layout->addLayout(buttonRow);
    setFixedSize(kWidth, kHeight);
}

void BaseUrlPrompt::ask(const std::string& path, Answered answered) {
    answered_ = std::move(answered);
    ShownBytes::show(*edit_, "http://");
    const QString name = fromPathBytes(std::filesystem::path(path).filename().string());
    fileName_->setText(shownName(name));
    fileName_->setToolTip(name);
    // A font wider than the design's widens the prompt rather than cutting the line.
    setFixedSize(std::max(kWidth, layout()->minimumSize().width()), kHeight);
    centreOnDesktop();
    setWindowModality(Qt::ApplicationModal);
    show();
}

QString BaseUrlPrompt::shownName(const QString& name) {
    if (name.size() <= kLongestName) {
        return name;
    }
    QString cut = name.left(kLongestName - 1);
    // Half of a character is no character.
    if (cut.back().isHighSurrogate()) {
        cut.chop(1);
    }
    return cut + u"..."_s;
}

// Without an answer the run could not go on: Escape leaves the prompt open.
void BaseUrlPrompt::reject() {}

// Placed before it is shown; a dialog would otherwise centre itself over the active window.
void BaseUrlPrompt::centreOnDesktop() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred({}, size());
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
}

void BaseUrlPrompt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    edit_->setFocus();
}

} // namespace harvex2::ui
