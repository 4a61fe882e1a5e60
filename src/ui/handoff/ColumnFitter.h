#pragma once

#include <array>
#include <vector>

#include <QObject>

class QTreeView;
class QModelIndex;
class QString;

namespace harvex2::ui {

// Keeps the first columns of a view as wide as their widest text. It measures only the rows
// that change, so a pass that updates one row at a time costs the same at any row count.
// Printable ASCII text is measured by adding up the advances of its characters, which
// costs far less than laying out the text and errs only on the wide side (by kerning).
class ColumnFitter : public QObject {
    Q_OBJECT
public:
    ColumnFitter(QTreeView& view, int columns);

private:
    void measureRows(int first, int last);
    void restart();
    void widen(int column, int width);
    int textWidth(const QString& text) const;

    QTreeView& view_;
    std::vector<int> widths_;
    // Advances of the printable ASCII characters in the view's font, taken at each restart.
    std::array<int, 128> advances_{};
};

} // namespace harvex2::ui
