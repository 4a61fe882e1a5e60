#include "ui/shell/LinkListView.h"

#include "ui/shell/LinkListModel.h"

#include <QMouseEvent>

namespace harvex2::ui {

LinkListView::LinkListView(QWidget* parent) : QListView(parent) {
    // A million entries lay out in milliseconds only when every row has the same height.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
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
