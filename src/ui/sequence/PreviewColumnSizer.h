#pragma once

#include <QObject>

class QTableView;

namespace harvex2::ui {

class SequencePreviewModel;

// Keeps both preview columns as wide as their widest text. Only the longest text of each
// column is measured, however many rows a series has.
class PreviewColumnSizer : public QObject {
    Q_OBJECT
public:
    PreviewColumnSizer(QTableView& view, const SequencePreviewModel& model);

private:
    void fit();

    QTableView& view_;
    const SequencePreviewModel& model_;
};

} // namespace harvex2::ui
