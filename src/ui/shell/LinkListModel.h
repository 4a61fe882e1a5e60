#pragma once

#include "core/shell/LinkList.h"

#include <functional>
#include <string>

#include <QAbstractListModel>

namespace harvex2::core {
class EntryResults;
class Ledger;
} // namespace harvex2::core

namespace harvex2::ui {

// Shows the core link list to a view: one row per entry with a check box; the text is
// decoded for display only, and a very long one is shown cut. The tooltip adds the page the
// link came from. An entry a target took before shows in grey, and its tooltip says when; one
// whose download was followed says how it ended.
class LinkListModel : public QAbstractListModel, private core::LinkListObserver {
    Q_OBJECT
public:
    explicit LinkListModel(core::LinkList& links, QObject* parent = nullptr);
    ~LinkListModel() override;

    core::LinkList& links() { return links_; }

    // Each shown entry is looked up as it is drawn, resolved against `base`.
    void setLedger(const core::Ledger* ledger, std::function<std::string()> base);
    // What the ledger says changed: the shown entries are drawn again.
    void sentChanged();
    // Looked up by entry id as each tooltip is shown.
    void setResults(const core::EntryResults* results) { results_ = results; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The whole link, then the page it came from when known.
    QString toolTip(std::size_t row) const;
    QVariant sentColour(std::size_t row) const;

    void beginAppend(std::size_t first, std::size_t last) override;
    void endAppend() override;
    void beginRemove(std::size_t first, std::size_t last) override;
    void endRemove() override;
    void checkedChanged(std::size_t first, std::size_t last) override;
    void beginReset() override;
    void endReset() override;

    core::LinkList& links_;
    const core::Ledger* ledger_ = nullptr;
    std::function<std::string()> base_;
    const core::EntryResults* results_ = nullptr;
};

} // namespace harvex2::ui
