#include "ui/handoff/ColumnFitter.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

namespace harvex2::ui {

namespace {
// Room for the cell's margins and the focus frame around the text.
constexpr int kTextPadding = 12;
constexpr char16_t kFirstPrintable = u' ';
constexpr char16_t kLastPrintable = u'~';
} // namespace

ColumnFitter::ColumnFitter(QTreeView& view, int columns)
    : QObject(&view), view_(view), widths_(static_cast<std::size_t>(columns), 0) {
    QAbstractItemModel* model = view.model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { measureRows(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles) {
                // Both picture sets have one size, so new pictures alone never widen a
                // column; measuring them would walk every row of a full window.
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole)) {
                    measureRows(topLeft.row(), bottomRight.row());
                }
            });
    connect(model, &QAbstractItemModel::modelReset, this, &ColumnFitter::restart);
    restart();
}

void ColumnFitter::capToView(int column) {
    capped_ = column;
    viewport_ = view_.viewport();
    viewport_->installEventFilter(this);
    applyWidths();
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    // The viewport outlives the view's own part when the view goes: it is only compared.
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) &&
        watched == viewport_) {
        applyWidths();
    }
    return QObject::eventFilter(watched, event);
}

void ColumnFitter::restart() {
    const QFontMetricsF font(view_.font());
    for (char16_t c = kFirstPrintable; c <= kLastPrintable; ++c) {
        advances_[c] = font.horizontalAdvance(QChar(c));
    }
    const QFontMetrics metrics = view_.header()->fontMetrics();
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        const QString title =
            view_.model()->headerData(static_cast<int>(c), Qt::Horizontal).toString();
        widths_[c] = 0;
        widen(static_cast<int>(c), metrics.horizontalAdvance(title) + kTextPadding);
    }
    const int rows = view_.model()->rowCount();
    if (rows > 0) {
        measureRows(0, rows - 1);
    } else {
        applyWidths();
    }
}

int ColumnFitter::textWidth(const QString& text) const {
    qreal width = 0;
    for (const QChar c : text) {
        if (c.unicode() < kFirstPrintable || c.unicode() > kLastPrintable) {
            return view_.fontMetrics().horizontalAdvance(text);
        }
        width += advances_[c.unicode()];
    }
    return static_cast<int>(std::ceil(width));
}

void ColumnFitter::measureRows(int first, int last) {
    const QAbstractItemModel* model = view_.model();
    for (int row = first; row <= last; ++row) {
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const QModelIndex cell = model->index(row, static_cast<int>(c));
            int width = textWidth(cell.data().toString()) + kTextPadding;
            if (!cell.data(Qt::DecorationRole).isNull()) {
                width += view_.iconSize().width() + kTextPadding / 2;
            }
            widen(static_cast<int>(c), width);
        }
    }
    applyWidths();
}

void ColumnFitter::widen(int column, int width) {
    auto& current = widths_[static_cast<std::size_t>(column)];
    current = std::max(current, width);
}

void ColumnFitter::applyWidths() {
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        const int column = static_cast<int>(c);
        const int width = column == capped_ ? cappedWidth() : widths_[c];
        if (view_.header()->sectionSize(column) != width) {
            view_.header()->resizeSection(column, width);
        }
    }
}

int ColumnFitter::cappedWidth() const {
    const int widest = widths_[static_cast<std::size_t>(*capped_)];
    // A view never shown has no width of its own yet.
    if (!view_.isVisible()) {
        return widest;
    }
    const int room = view_.viewport()->width();
    int others = 0;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        if (static_cast<int>(c) != *capped_) {
            others += widths_[c];
        }
    }
    return std::min(widest, std::max(room - others, room / 3));
}

} // namespace harvex2::ui
