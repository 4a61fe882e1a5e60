#pragma once

#include "core/handoff/AddingRows.h"

#include <array>

#include <QAbstractTableModel>
#include <QPixmap>

namespace harvex2::ui {

// Shows the Adding window's rows: URL (with the state picture), Status, Target and the
// outcome column "Index from Main". Texts are decoded for display only; a very long one is
// shown cut.
class AddingRowsModel : public QAbstractTableModel, private core::AddingRowsObserver {
    Q_OBJECT
public:
    enum Column { UrlColumn, StatusColumn, TargetColumn, IndexColumn, ColumnCount };

    explicit AddingRowsModel(core::AddingRows& rows, QObject* parent = nullptr);
    ~AddingRowsModel() override;

    core::AddingRows& rows() { return rows_; }
    void setPictures(const std::array<QPixmap, 5>& pictures);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void rowsAboutToReset() override;
    void rowsReset() override;
    void rowAboutToBeAppended(std::size_t row) override;
    void rowAppended(std::size_t row) override;
    void rowChanged(std::size_t row) override;
    QString text(const core::AddingRow& row, int column) const;

    core::AddingRows& rows_;
    std::array<QPixmap, 5> pictures_;
};

} // namespace harvex2::ui
