#include "ui/sequence/DirectoryListModel.h"

#include "ui/platform/TextBytes.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QStyle>

namespace harvex2::ui {

DirectoryListModel::DirectoryListModel(QObject* parent)
    : QAbstractListModel(parent),
      openFolder_(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon)),
      closedFolder_(QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon)) {}

void DirectoryListModel::setEntries(std::vector<core::DirectoryEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

const core::DirectoryEntry& DirectoryListModel::entry(int row) const {
    return entries_.at(static_cast<std::size_t>(row));
}

int DirectoryListModel::rowOf(const std::string& path) const {
    const auto found = std::ranges::find(entries_, path, &core::DirectoryEntry::path);
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

int DirectoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant DirectoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const core::DirectoryEntry& shown = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return fromPathBytes(shown.name);
    case Qt::ToolTipRole:
        return fromPathBytes(shown.path);
    case Qt::DecorationRole:
        return shown.opened ? openFolder_ : closedFolder_;
    case kDepthRole:
        return static_cast<int>(shown.depth);
    default:
        return {};
    }
}

} // namespace harvex2::ui
