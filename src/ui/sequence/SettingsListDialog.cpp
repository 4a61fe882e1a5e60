#include "ui/sequence/SettingsListDialog.h"

#include "core/sequence/SequenceProfiles.h"
#include "ui/platform/TextBytes.h"
#include "ui/sequence/ProfileDialogFrame.h"
#include "ui/shell/AppServices.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;

SettingsListDialog::SettingsListDialog(AppServices& services, QWidget* parent)
    : QDialog(parent, profileDialogFlags()), services_(services), list_(new QListWidget(this)) {
    setObjectName(u"TfrmSettingsList"_s);
    setWindowTitle(u"Select settings to load..."_s);
    setFixedSize(384, 179);
    list_->setObjectName(u"ListBox1"_s);
    list_->setGeometry(8, 8, 281, 163);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    ok_ = addOkCancel(*this, {QPoint(301, 8), QPoint(301, 39)})[0];
    delete_ = new QPushButton(u"Delete"_s, this);
    delete_->setObjectName(u"Button1"_s);
    delete_->setAutoDefault(false);
    delete_->setGeometry(301, 146, 75, 25);
    connect(delete_, &QPushButton::clicked, this, &SettingsListDialog::onDeleteClicked);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<std::string> SettingsListDialog::selectedName() const {
    const int row = list_->currentRow();
    if (row < 0 || !list_->item(row)->isSelected()) {
        return std::nullopt;
    }
    return names_[static_cast<std::size_t>(row)];
}

void SettingsListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        fillList();
    }
}

void SettingsListDialog::fillList() {
    list_->clear();
    names_ = core::SequenceProfiles::names(*services_.userStore);
    for (const std::string& name : names_) {
        list_->addItem(fromBytes(name));
    }
    if (!names_.empty()) {
        list_->setCurrentRow(0);
    }
    ok_->setEnabled(!names_.empty());
    list_->setFocus();
}

void SettingsListDialog::onDeleteClicked() {
    const auto name = selectedName();
    if (!name) {
        services_.prompts->message({MessageIcon::Warning,
                                    "Cannot Delete",
                                    "You need to select an enty first.",
                                    {MessageButton::Ok}});
        return;
    }
    if (!core::SequenceProfiles::remove(*services_.userStore, *name)) {
        services_.prompts->message({MessageIcon::Error,
                                    "Delete failed",
                                    "Failed to delete Key from registry",
                                    {MessageButton::Ok}});
    }
    fillList();
}

} // namespace harvex2::ui
