#pragma once

#include "core/sequence/DirectoryTree.h"

#include <vector>

#include <QAbstractListModel>
#include <QIcon>

namespace harvex2::ui {

// The lines of the directory list: the way down to the current directory with open-folder
// icons, then its folders with closed ones. Each line tells its depth for the indentation.
class DirectoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kDepthRole = Qt::UserRole;

    explicit DirectoryListModel(QObject* parent = nullptr);

    void setEntries(std::vector<core::DirectoryEntry> entries);
    const core::DirectoryEntry& entry(int row) const;
    // The row showing `path`, or -1.
    int rowOf(const std::string& path) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<core::DirectoryEntry> entries_;
    QIcon openFolder_;
    QIcon closedFolder_;
};

} // namespace harvex2::ui
