#include "ui/shell/ParseOptionsTab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {

QCheckBox* addCheckBox(QLayout& layout, const QString& name, const QString& caption,
                       const QString& tooltip) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setToolTip(tooltip);
    layout.addWidget(box);
    return box;
}

} // namespace

ParseOptionsTab::ParseOptionsTab(QWidget* parent) : QWidget(parent) {
    setObjectName(u"TabSheet1"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildIgnoreGroup());
    layout->addWidget(buildRelativeGroup());
    layout->addStretch();
}

QWidget* ParseOptionsTab::buildIgnoreGroup() {
    auto* group = new QGroupBox(u"Ignore links which..."_s);
    group->setObjectName(u"GroupBox1"_s);
    auto* layout = new QVBoxLayout(group);
    mailTo_ = addCheckBox(*layout, u"CheckBox1"_s, u"start with mailto:"_s,
                          u"...like 'mailto:someone@example.com'"_s);
    query_ = addCheckBox(*layout, u"CheckBox2"_s, u"contain a ?"_s,
                         u"...like 'search.cgi?q=harvest&page=2'"_s);
    bookmark_ = addCheckBox(*layout, u"CheckBox3"_s, u"contain a #bookmark"_s,
                            u"...like '#top' or 'file.htm#links'"_s);
    return group;
}

QWidget* ParseOptionsTab::buildRelativeGroup() {
    auto* group = new QGroupBox(u"Relative Directories"_s);
    group->setObjectName(u"GroupBox2"_s);
    auto* layout = new QVBoxLayout(group);
    auto* resolve = new QRadioButton(u"Attempt to resolve"_s);
    resolve->setObjectName(u"RadioButton1"_s);
    auto* ignore = new QRadioButton(u"Ignore"_s);
    ignore->setObjectName(u"RadioButton2"_s);
    ignore->setChecked(true);
    layout->addWidget(resolve);
    layout->addWidget(ignore);
    // Neither stored nor used: the choice only shows that relative links are not followed.
    group->setEnabled(false);
    return group;
}

void ParseOptionsTab::fill(const core::SettingsRecord& settings) {
    mailTo_->setChecked(settings.ignoreMailTo);
    bookmark_->setChecked(settings.ignoreBookmarks);
    query_->setChecked(settings.qLinks);
}

void ParseOptionsTab::confirm(core::SettingsRecord& settings) const {
    settings.ignoreMailTo = mailTo_->isChecked();
    settings.ignoreBookmarks = bookmark_->isChecked();
    settings.qLinks = query_->isChecked();
}

} // namespace harvex2::ui
