#include "ui/sequence/SequencePreviewModel.h"

#include "ui/platform/TextBytes.h"

namespace harvex2::ui {

using namespace Qt::StringLiterals;

SequencePreviewModel::SequencePreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void SequencePreviewModel::clear(std::string downloadDir) {
    beginResetModel();
    rows_.clear(std::move(downloadDir));
    shown_ = 0;
    endResetModel();
}

void SequencePreviewModel::append(std::string_view url) {
    rows_.append(url);
}

void SequencePreviewModel::flush() {
    if (worthPassingOn(rows_.count() - static_cast<std::size_t>(shown_),
                       static_cast<std::size_t>(shown_))) {
        finish();
    }
}

void SequencePreviewModel::finish() {
    const int count = static_cast<int>(rows_.count());
    if (count == shown_) {
        return;
    }
    beginInsertRows({}, shown_, count - 1);
    shown_ = count;
    endInsertRows();
}

int SequencePreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int SequencePreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SequencePreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return text(static_cast<std::size_t>(index.row()), index.column());
}

QString SequencePreviewModel::text(std::size_t row, int column) const {
    return fromBytes(column == UrlColumn ? std::string(rows_.url(row)) : rows_.downloadTo(row));
}

QVariant SequencePreviewModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == UrlColumn ? u"URL"_s : u"Download to"_s;
}

} // namespace harvex2::ui
