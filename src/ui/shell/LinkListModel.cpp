#include "ui/shell/LinkListModel.h"

#include "ui/platform/TextBytes.h"

namespace harvex2::ui {

LinkListModel::LinkListModel(core::LinkList& links, QObject* parent)
    : QAbstractListModel(parent), links_(links) {
    links_.setObserver(this);
}

LinkListModel::~LinkListModel() {
    links_.setObserver(nullptr);
}

int LinkListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(links_.count());
}

QVariant LinkListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= links_.count()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shownLine(links_.textAt(row));
    case Qt::ToolTipRole:
        return toolTip(row);
    case Qt::CheckStateRole:
        return links_.checkedAt(row) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

QString LinkListModel::toolTip(std::size_t row) const {
    QString tip = shownText(links_.textAt(row));
    const std::string& origin = links_.originAt(row);
    if (!origin.empty()) {
        tip += QStringLiteral("\nFrom: ") + shownText(origin);
    }
    return tip;
}

bool LinkListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid()) {
        return false;
    }
    const bool checked = value.value<Qt::CheckState>() == Qt::Checked;
    links_.setChecked(static_cast<std::size_t>(index.row()), checked);
    return true;
}

Qt::ItemFlags LinkListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

void LinkListModel::beginAppend(std::size_t first, std::size_t last) {
    beginInsertRows({}, static_cast<int>(first), static_cast<int>(last));
}

void LinkListModel::endAppend() {
    endInsertRows();
}

void LinkListModel::beginRemove(std::size_t first, std::size_t last) {
    beginRemoveRows({}, static_cast<int>(first), static_cast<int>(last));
}

void LinkListModel::endRemove() {
    endRemoveRows();
}

void LinkListModel::checkedChanged(std::size_t first, std::size_t last) {
    emit dataChanged(index(static_cast<int>(first)), index(static_cast<int>(last)),
                     {Qt::CheckStateRole});
}

void LinkListModel::beginReset() {
    beginResetModel();
}

void LinkListModel::endReset() {
    endResetModel();
}

} // namespace harvex2::ui
