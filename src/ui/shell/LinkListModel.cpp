#include "ui/shell/LinkListModel.h"

#include "core/handoff/EntryResults.h"
#include "core/ledger/Ledger.h"
#include "ui/platform/TextBytes.h"

#include <QApplication>
#include <QDateTime>
#include <QPalette>

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
    case Qt::ForegroundRole:
        return sentColour(row);
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
    if (const auto sent = ledger_ ? ledger_->sentInfo(links_.textAt(row), base_()) : std::nullopt) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(sent->time);
        tip += QStringLiteral("\nSent to ") + shownText(sent->target) + QStringLiteral(" on ") +
               when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    if (const auto result = results_ ? results_->describe(links_.idAt(row)) : std::nullopt) {
        tip += QLatin1Char('\n') + shownText(*result);
    }
    return tip;
}

QVariant LinkListModel::sentColour(std::size_t row) const {
    if (!ledger_ || !ledger_->sentInfo(links_.textAt(row), base_())) {
        return {};
    }
    return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

void LinkListModel::setLedger(const core::Ledger* ledger, std::function<std::string()> base) {
    ledger_ = ledger;
    base_ = std::move(base);
    sentChanged();
}

void LinkListModel::sentChanged() {
    if (links_.count() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::ForegroundRole, Qt::ToolTipRole});
    }
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
