#include "ui/sequence/PreviewColumnSizer.h"

#include "ui/sequence/SequencePreviewModel.h"

#include <algorithm>

#include <QHeaderView>
#include <QTableView>

namespace harvex2::ui {

namespace {
// Room for the cell's margins and the focus frame around the text.
constexpr int kTextPadding = 12;
} // namespace

PreviewColumnSizer::PreviewColumnSizer(QTableView& view, const SequencePreviewModel& model)
    : QObject(&view), view_(view), model_(model) {
    connect(&model, &QAbstractItemModel::rowsInserted, this, &PreviewColumnSizer::fit);
    connect(&model, &QAbstractItemModel::modelReset, this, &PreviewColumnSizer::fit);
    fit();
}

void PreviewColumnSizer::fit() {
    const core::PreviewRows& rows = model_.rows();
    const std::size_t longest[] = {rows.longestUrlRow(), rows.longestDownloadToRow()};
    for (int column = 0; column < SequencePreviewModel::ColumnCount; ++column) {
        const QString title = model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        int width = view_.horizontalHeader()->fontMetrics().horizontalAdvance(title);
        if (rows.count() > 0) {
            const QString text = model_.text(longest[column], column);
            width = std::max(width, view_.fontMetrics().horizontalAdvance(text));
        }
        view_.horizontalHeader()->resizeSection(column, width + kTextPadding);
    }
}

} // namespace harvex2::ui
