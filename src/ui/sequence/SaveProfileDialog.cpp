#include "ui/sequence/SaveProfileDialog.h"

#include "core/sequence/SequenceProfiles.h"
#include "ui/platform/TextBytes.h"
#include "ui/sequence/ProfileDialogFrame.h"
#include "ui/shell/AppServices.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

SaveProfileDialog::SaveProfileDialog(AppServices& services, QWidget* parent)
    : QDialog(parent, profileDialogFlags()), services_(services) {
    setObjectName(u"TfrmSaveProfile"_s);
    setWindowTitle(u"Save Sequential profile"_s);
    setFixedSize(313, 116);
    QWidget* panel = framedPanel(*this, {8, 8, 297, 65});
    auto* prompt = new QLabel(u"Enter the name to save the profile under:"_s, panel);
    prompt->setObjectName(u"Label1"_s);
    prompt->move(12, 10);
    prompt->adjustSize();
    name_ = new QLineEdit(panel);
    name_->setObjectName(u"txtProfileName"_s);
    name_->setGeometry(12, 30, 273, 21);
    addOkCancel(*this, {QPoint(151, 82), QPoint(232, 82)});
}

std::string SaveProfileDialog::profileName() const {
    return toBytes(name_->text());
}

void SaveProfileDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    name_->setFocus();
    name_->selectAll();
}

void SaveProfileDialog::accept() {
    if (const auto problem = core::SequenceProfiles::nameProblem(profileName())) {
        services_.prompts->message({platform::MessageIcon::Warning,
                                    "Save Sequential profile",
                                    *problem,
                                    {platform::MessageButton::Ok}});
        name_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace harvex2::ui
