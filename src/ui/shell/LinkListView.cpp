#include "ui/shell/LinkListView.h"

#include "ui/shell/LinkListModel.h"

#include <chrono>

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace harvex2::ui {

namespace {
// Laying out takes at most about a fifth of the time while the list grows, whatever its
// length, so appending stays linear.
constexpr qint64 kLayoutShare = 4;

// A row asks for no width of its own, so every row is as wide as the view: a long link is
// cut in its middle, keeping its file name in sight, instead of widening the whole list.
class ViewWideRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {0, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

} // namespace

LinkListView::LinkListView(QWidget* parent) : QListView(parent) {
    // A million entries lay out in milliseconds only when every row has the same height.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegate(new ViewWideRows(this));
    setTextElideMode(Qt::ElideMiddle);
    rowsWaiting_.setSingleShot(true);
    connect(&rowsWaiting_, &QTimer::timeout, this, &LinkListView::scheduleDelayedItemsLayout);
}

void LinkListView::setLinkModel(LinkListModel* model) {
    model_ = model;
    setModel(model);
}

void LinkListView::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    // The check box keeps the press to itself, so the entry would not become current: a
    // shift-click range and the space bar would then start from the entry before it.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed != currentIndex()) {
        setCurrentIndex(pressed);
    }
}

void LinkListView::doItemsLayout() {
    // A layout takes in every row there is, the waiting ones included.
    rowsWaiting_.stop();
    QElapsedTimer cost;
    cost.start();
    QListView::doItemsLayout();
    layoutCost_ = cost.nsecsElapsed();
    sinceLayout_.start();
}

void LinkListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    const qint64 wait =
        sinceLayout_.isValid() ? kLayoutShare * layoutCost_ - sinceLayout_.nsecsElapsed() : 0;
    if (wait <= 0) {
        QListView::rowsInserted(parent, start, end);
        return;
    }
    // Rows are only ever appended, so the rows laid out so far stay as they are meanwhile.
    QAbstractItemView::rowsInserted(parent, start, end);
    if (!rowsWaiting_.isActive()) {
        rowsWaiting_.start(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(wait)));
    }
}

void LinkListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (!model_) {
        return;
    }
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool rangeClick = modifiers.testFlag(Qt::ShiftModifier) &&
                            !modifiers.testFlag(Qt::ControlModifier) &&
                            !modifiers.testFlag(Qt::AltModifier);
    if (rangeClick) {
        model_->links().invertBetween(anchor_, current);
    }
    anchor_ = current;
}

} // namespace harvex2::ui
