#pragma once

#include <QListView>

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LinkListModel* model_ = nullptr;
    int anchor_ = 0;
};

} // namespace harvex2::ui
