#pragma once

#include "core/shell/LinkList.h"

#include <QAbstractListModel>

namespace harvex2::ui {

// Shows the core link list to a view: one row per entry with a check box; the text is
// decoded for display only, and a very long one is shown cut. The tooltip adds the page the
// link came from.
class LinkListModel : public QAbstractListModel, private core::LinkListObserver {
    Q_OBJECT
public:
    explicit LinkListModel(core::LinkList& links, QObject* parent = nullptr);
    ~LinkListModel() override;

    core::LinkList& links() { return links_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The whole link, then the page it came from when known.
    QString toolTip(std::size_t row) const;

    void beginAppend(std::size_t first, std::size_t last) override;
    void endAppend() override;
    void beginRemove(std::size_t first, std::size_t last) override;
    void endRemove() override;
    void checkedChanged(std::size_t first, std::size_t last) override;
    void beginReset() override;
    void endReset() override;

    core::LinkList& links_;
};

} // namespace harvex2::ui
