#include "ui/sequence/ProfileDialogFrame.h"

#include <QDialog>
#include <QFrame>
#include <QPushButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
constexpr QSize kButtonSize(75, 25);
}

Qt::WindowFlags profileDialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

QFrame* framedPanel(QDialog& dialog, QRect geometry) {
    auto* panel = new QFrame(&dialog);
    panel->setObjectName(u"Bevel1"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(geometry);
    return panel;
}

std::array<QPushButton*, 2> addOkCancel(QDialog& dialog, std::array<QPoint, 2> corners) {
    auto* ok = new QPushButton(u"OK"_s, &dialog);
    ok->setObjectName(u"OKBtn"_s);
    ok->setDefault(true);
    ok->setGeometry({corners[0], kButtonSize});
    auto* cancel = new QPushButton(u"Cancel"_s, &dialog);
    cancel->setObjectName(u"CancelBtn"_s);
    cancel->setAutoDefault(false);
    cancel->setGeometry({corners[1], kButtonSize});
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {ok, cancel};
}

} // namespace harvex2::ui
