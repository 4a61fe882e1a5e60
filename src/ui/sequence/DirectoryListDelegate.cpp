#include "ui/sequence/DirectoryListDelegate.h"

#include "ui/sequence/DirectoryListModel.h"

namespace harvex2::ui {

void DirectoryListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + indentOf(index));
    QStyledItemDelegate::paint(painter, indented, index);
}

QSize DirectoryListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

int DirectoryListDelegate::indentOf(const QModelIndex& index) {
    return kIndent * index.data(DirectoryListModel::kDepthRole).toInt();
}

} // namespace harvex2::ui
