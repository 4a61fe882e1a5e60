#pragma once

#include <QElapsedTimer>
#include <QListView>
#include <QTimer>

namespace harvex2::ui {

class LinkListModel;

// The main window's check list. Besides toggling one entry by its check box or the space
// bar, a shift-click toggles every entry between the anchor and the clicked one.
class LinkListView : public QListView {
    Q_OBJECT
public:
    explicit LinkListView(QWidget* parent = nullptr);

    void setLinkModel(LinkListModel* model);
    int anchor() const { return anchor_; }

    void doItemsLayout() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    LinkListModel* model_ = nullptr;
    int anchor_ = 0;
    // Every layout visits the whole list; while links keep arriving, new rows wait for the
    // next layout until a few times the last one's cost has passed.
    QTimer rowsWaiting_;
    QElapsedTimer sinceLayout_;
    qint64 layoutCost_ = 0; // nanoseconds
};

} // namespace harvex2::ui
