#pragma once

#include <vector>

#include <QObject>

class QTreeView;
class QModelIndex;

namespace harvex2::ui {

// Keeps the first columns of a view as wide as their widest text. It measures only the rows
// that change, so a pass that updates one row at a time costs the same at any row count.
class ColumnFitter : public QObject {
    Q_OBJECT
public:
    ColumnFitter(QTreeView& view, int columns);

private:
    void measureRows(int first, int last);
    void restart();
    void widen(int column, int width);

    QTreeView& view_;
    std::vector<int> widths_;
};

} // namespace harvex2::ui
