#pragma once

#include <QStyledItemDelegate>

namespace harvex2::ui {

// Draws each line of the directory list indented by its depth, so the list reads as a tree.
class DirectoryListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kIndent = 8;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int indentOf(const QModelIndex& index);
};

} // namespace harvex2::ui
