#include "ui/shell/MainClientArea.h"

#include "core/handoff/TargetWording.h"
#include "core/shell/MainWindowLayout.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/LinkListView.h"
#include "ui/shell/MainMenus.h"
#include "ui/shell/MainStatusBar.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {
constexpr int kBoxHeight = 21;

void moveTop(QWidget* widget, int top) {
    widget->move(widget->x(), top);
}
} // namespace

MainClientArea::MainClientArea(LinkListModel& model, QWidget* parent) : QWidget(parent) {
    setMinimumSize(kDesignWidth, kDesignHeight);

    addLabel("Label1", u"Links:"_s, {13, 30});
    list_ = new LinkListView(this);
    list_->setObjectName(u"CheckListBox1"_s);
    list_->setLinkModel(&model);
    list_->setGeometry(28, 48, 328, 160);

    baseUrlLabel_ = addLabel("Label2", u"Base URL:"_s, {14, 222});
    baseUrl_ = addHistoryBox("txtBaseURL", {74, 218, 282, kBoxHeight});
    directoryLabel_ = addLabel("Label3", u"Download directory:"_s, {13, 255});
    directory_ = addHistoryBox("Edit2", {112, 251, 208, kBoxHeight});
    browse_ = addButton(this, "Button4", u"..."_s, {328, 250, 23, 22});

    buildActions();
    statusBar_ = new MainStatusBar(this);
    chainTabOrder();
    resize(kDesignWidth, kDesignHeight);
}

void MainClientArea::showTarget(core::TargetProgram mode, const core::SettingsRecord& settings) {
    statusBar_->showTarget(mode, settings);
    directoryLabel_->setToolTip(fromBytes(core::TargetWording::folderNote(mode)));
}

void MainClientArea::setToolBar(QToolBar* toolBar) {
    toolBar_ = toolBar;
    toolBar_->setParent(this);
    toolBar_->setGeometry(0, 0, width(), MainMenus::kToolBarHeight);
    toolBar_->show();
}

QLabel* MainClientArea::addLabel(const char* name, const QString& text, QPoint position) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1StringView(name));
    label->move(position);
    label->adjustSize();
    return label;
}

QComboBox* MainClientArea::addHistoryBox(const char* name, QRect geometry) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1StringView(name));
    box->setEditable(true);
    // The history is kept by the program's own rules; typing Enter must not add to it.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setGeometry(geometry);
    return box;
}

QPushButton* MainClientArea::addButton(QWidget* parent, const char* name, const QString& text,
                                       QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

void MainClientArea::buildActions() {
    actions_ = new QGroupBox(u"Actions"_s, this);
    actions_->setObjectName(u"GroupBox1"_s);
    actions_->setGeometry(15, 280, 342, 57);
    addSelected_ = addButton(actions_, "Button1", u"&Add selected"_s, {38, 21, 75, 25});
    addAll_ = addButton(actions_, "Button2", u"Add a&ll"_s, {127, 21, 75, 25});
    deleteSelected_ = addButton(actions_, "Button3", u"&Delete Selected"_s, {215, 21, 89, 25});
}

void MainClientArea::chainTabOrder() {
    QWidget* const order[] = {browse_, addSelected_, addAll_,   deleteSelected_,
                              list_,   baseUrl_,     directory_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

void MainClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void MainClientArea::arrange() {
    const auto layout = core::MainWindowLayout::compute(height() + kFrameHeight, width());
    if (toolBar_) {
        toolBar_->setGeometry(0, 0, width(), MainMenus::kToolBarHeight);
    }
    list_->resize(layout.listWidth, layout.listHeight);
    moveTop(baseUrlLabel_, layout.baseLabelTop);
    baseUrl_->setGeometry(baseUrl_->x(), layout.baseBoxTop, layout.baseBoxWidth, kBoxHeight);
    moveTop(directoryLabel_, layout.dirLabelTop);
    directory_->setGeometry(directory_->x(), layout.dirBoxTop, layout.dirBoxWidth, kBoxHeight);
    browse_->move(layout.browseLeft, layout.browseTop);
    actions_->move(layout.actionsLeft, layout.actionsTop);
    statusBar_->setGeometry(0, height() - MainStatusBar::kHeight, width(), MainStatusBar::kHeight);
    statusBar_->setPanelWidths(layout.statePanelWidth, layout.detailPanelWidth);
}

} // namespace harvex2::ui
