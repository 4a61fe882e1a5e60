#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QObject>
#include <QtGlobal>

class QTreeView;
class QWidget;
class QModelIndex;
class QString;

namespace harvex2::ui {

// Keeps the first columns of a view as wide as their widest text. It measures only the rows
// that change, so a pass that updates one row at a time costs the same at any row count.
// Printable ASCII text is measured by adding up the advances of its characters, which
// costs far less than laying out the text and errs only on the wide side (by kerning). The
// advances are kept unrounded: most fonts' are fractions of a pixel, and rounding each one
// down would fall short of the laid-out text by a pixel every few characters.
class ColumnFitter : public QObject {
    Q_OBJECT
public:
    ColumnFitter(QTreeView& view, int columns);

    // While the view is on screen, `column` takes no more of its width than the other
    // fitted columns leave, but at least a third: one long text there must not push them
    // out of sight. The view cuts the text instead.
    void capToView(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void measureRows(int first, int last);
    void restart();
    void widen(int column, int width);
    void applyWidths();
    int cappedWidth() const;
    int textWidth(const QString& text) const;

    QTreeView& view_;
    // The widest text of each column, with its padding.
    std::vector<int> widths_;
    std::optional<int> capped_;
    QWidget* viewport_ = nullptr;
    // Advances of the printable ASCII characters in the view's font, taken at each restart.
    std::array<qreal, 128> advances_{};
};

} // namespace harvex2::ui
