#include "ui/handoff/AddingRowsModel.h"

#include "ui/platform/TextBytes.h"

namespace harvex2::ui {

using namespace Qt::StringLiterals;

AddingRowsModel::AddingRowsModel(core::AddingRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
    rows_.setObserver(this);
}

AddingRowsModel::~AddingRowsModel() {
    rows_.setObserver(nullptr);
}

void AddingRowsModel::setPictures(const std::array<QPixmap, 5>& pictures) {
    pictures_ = pictures;
    if (rows_.shownCount() > 0) {
        emit dataChanged(index(0, UrlColumn), index(rowCount() - 1, UrlColumn),
                         {Qt::DecorationRole});
    }
}

int AddingRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.shownCount());
}

int AddingRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AddingRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const core::AddingRow& row = rows_.shownAt(static_cast<std::size_t>(index.row()));
    if (role == Qt::DisplayRole) {
        return text(row, index.column());
    }
    if (role == Qt::DecorationRole && index.column() == UrlColumn) {
        return pictures_[static_cast<std::size_t>(row.picture)];
    }
    return {};
}

QString AddingRowsModel::text(const core::AddingRow& row, int column) const {
    switch (column) {
    case UrlColumn:
        return shownText(row.url);
    case StatusColumn:
        return shownText(row.status);
    case TargetColumn:
        return shownText(row.target());
    default:
        return fromBytes(row.indexFromMain());
    }
}

QVariant AddingRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const std::array<QString, ColumnCount> kTitles{u"URL"_s, u"Status"_s, u"Target"_s,
                                                          u"Index from Main"_s};
    return kTitles[static_cast<std::size_t>(section)];
}

void AddingRowsModel::rowsAboutToReset() {
    beginResetModel();
}

void AddingRowsModel::rowsReset() {
    endResetModel();
}

void AddingRowsModel::rowAboutToBeAppended(std::size_t row) {
    const int r = static_cast<int>(row);
    beginInsertRows({}, r, r);
}

void AddingRowsModel::rowAppended(std::size_t) {
    endInsertRows();
}

void AddingRowsModel::rowChanged(std::size_t row) {
    const int r = static_cast<int>(row);
    emit dataChanged(index(r, 0), index(r, ColumnCount - 1));
}

} // namespace harvex2::ui
