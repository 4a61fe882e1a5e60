#pragma once

#include "core/sequence/PreviewRows.h"
#include "core/sequence/SequenceSink.h"

#include <QAbstractTableModel>

namespace harvex2::ui {

// The preview of a series: "URL" and "Download to". URLs arrive one by one and are shown
// in batches that grow with the rows shown, so a view follows a million rows cheaply.
class SequencePreviewModel : public QAbstractTableModel, public core::SequenceSink {
    Q_OBJECT
public:
    enum Column { UrlColumn, DownloadToColumn, ColumnCount };

    explicit SequencePreviewModel(QObject* parent = nullptr);

    void clear(std::string downloadDir);
    void append(std::string_view url) override;
    void flush() override;
    void finish() override;

    const core::PreviewRows& rows() const { return rows_; }
    // The text shown in a cell, also for rows the views have not been told of yet.
    QString text(std::size_t row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    core::PreviewRows rows_;
    int shown_ = 0; // the rows the views have been told of
};

} // namespace harvex2::ui
