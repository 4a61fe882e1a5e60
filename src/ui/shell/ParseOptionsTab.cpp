#include "ui/shell/ParseOptionsTab.h"

#include "ui/shell/OptionsNames.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;
using Names = OptionsNames;

namespace {

QCheckBox* addCheckBox(QLayout& layout, const char* name, const QString& caption,
                       const QString& tooltip) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1StringView(name));
    box->setToolTip(tooltip);
    layout.addWidget(box);
    return box;
}

} // namespace

ParseOptionsTab::ParseOptionsTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1StringView(Names::kParsePage));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildIgnoreGroup());
    layout->addWidget(buildRelativeGroup());
    layout->addWidget(buildReadingGroup());
    layout->addStretch();
}

QWidget* ParseOptionsTab::buildIgnoreGroup() {
    auto* group = new QGroupBox(u"Ignore links which..."_s);
    group->setObjectName(QLatin1StringView(Names::kIgnoreGroup));
    auto* layout = new QVBoxLayout(group);
    mailTo_ = addCheckBox(*layout, Names::kIgnoreMailTo, u"start with mailto:"_s,
                          u"...like 'mailto:someone@example.com'"_s);
    query_ = addCheckBox(*layout, Names::kIgnoreQuery, u"contain a ?"_s,
                         u"...like 'search.cgi?q=harvest&page=2'"_s);
    bookmark_ = addCheckBox(*layout, Names::kIgnoreBookmarks, u"contain a #bookmark"_s,
                            u"...like '#top' or 'file.htm#links'"_s);
    return group;
}

QWidget* ParseOptionsTab::buildRelativeGroup() {
    auto* group = new QGroupBox(u"Relative Directories"_s);
    group->setObjectName(QLatin1StringView(Names::kRelativeGroup));
    auto* layout = new QVBoxLayout(group);
    auto* resolve = new QRadioButton(u"Attempt to resolve"_s);
    resolve->setObjectName(QLatin1StringView(Names::kResolveRelative));
    auto* ignore = new QRadioButton(u"Ignore"_s);
    ignore->setObjectName(QLatin1StringView(Names::kIgnoreRelative));
    ignore->setChecked(true);
    layout->addWidget(resolve);
    layout->addWidget(ignore);
    // Neither stored nor used: the choice only shows that relative links are not followed.
    group->setEnabled(false);
    return group;
}

QWidget* ParseOptionsTab::buildReadingGroup() {
    auto* group = new QGroupBox(u"Reading pages"_s);
    group->setObjectName(QLatin1StringView(Names::kReadingGroup));
    auto* layout = new QVBoxLayout(group);
    browserReading_ = new QRadioButton(u"Read links as a browser does"_s);
    browserReading_->setObjectName(QLatin1StringView(Names::kBrowserReading));
    browserReading_->setToolTip(u"Every quoting, decoded; nothing from comments or scripts"_s);
    quickScan_ = new QRadioButton(u"Quick scan (double quotes only)"_s);
    quickScan_->setObjectName(QLatin1StringView(Names::kQuickScan));
    layout->addWidget(browserReading_);
    layout->addWidget(quickScan_);
    scriptLinks_ =
        addCheckBox(*layout, Names::kIgnoreScriptLinks, u"Ignore script and data links"_s,
                    u"...like 'javascript:void(0)' or 'data:image/png,...'"_s);
    mediaSources_ = addCheckBox(*layout, Names::kMediaSources, u"Add media sources"_s,
                                u"...the addresses of images, video and audio"_s);
    resolveLinks_ = addCheckBox(*layout, Names::kResolveLinks,
                                u"Resolve links against the page's own address"_s,
                                u"...when a saved page names the address it came from"_s);
    // What only the browser reading does follows the choice of reader.
    for (QCheckBox* box : {scriptLinks_, mediaSources_, resolveLinks_}) {
        connect(browserReading_, &QRadioButton::toggled, box, &QCheckBox::setEnabled);
    }
    return group;
}

void ParseOptionsTab::fill(const core::SettingsRecord& settings) {
    mailTo_->setChecked(settings.ignoreMailTo);
    bookmark_->setChecked(settings.ignoreBookmarks);
    query_->setChecked(settings.qLinks);
    (settings.quickScan ? quickScan_ : browserReading_)->setChecked(true);
    scriptLinks_->setChecked(settings.ignoreScriptLinks);
    mediaSources_->setChecked(settings.mediaSources);
    resolveLinks_->setChecked(settings.resolvePageLinks);
    for (QCheckBox* box : {scriptLinks_, mediaSources_, resolveLinks_}) {
        box->setEnabled(!settings.quickScan);
    }
}

void ParseOptionsTab::confirm(core::SettingsRecord& settings) const {
    settings.ignoreMailTo = mailTo_->isChecked();
    settings.ignoreBookmarks = bookmark_->isChecked();
    settings.qLinks = query_->isChecked();
    settings.quickScan = quickScan_->isChecked();
    settings.ignoreScriptLinks = scriptLinks_->isChecked();
    settings.mediaSources = mediaSources_->isChecked();
    settings.resolvePageLinks = resolveLinks_->isChecked();
}

} // namespace harvex2::ui
