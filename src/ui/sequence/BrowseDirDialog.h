#pragma once

#include "core/sequence/DirectoryTree.h"
#include "platform/LocalFolders.h"
#include "platform/Prompts.h"
#include "ui/shell/DirectoryBrowser.h"

#include <memory>
#include <optional>
#include <string>

#include <QDialog>
#include <QFileSystemWatcher>

class QComboBox;
class QListView;
class QModelIndex;
class QPushButton;

namespace harvex2::ui {

class DirectoryListModel;

// "Browse for directory...": the user opens directories in a list that shows the way down
// from the root and the folders inside, or switches volume in the drive box. Made once and
// only hidden between uses, so it opens on the directory it showed last.
class BrowseDirDialog : public QDialog, public DirectoryBrowser {
    Q_OBJECT
public:
    BrowseDirDialog(platform::Prompts& prompts, std::unique_ptr<platform::LocalFolders> folders,
                    QWidget* parent = nullptr);
    ~BrowseDirDialog() override;

    std::optional<std::string> browse() override;
    const std::string& currentDirectory() const { return tree_.current(); }

    void onOkClicked();
    void onNewFolderClicked();
    void onDriveChosen(int index);
    void onDirectoryDoubleClicked(const QModelIndex& index);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void chainTabOrder();
    void rereadOnShow();
    void showVolumes();
    enum class Selection { Current, Keep };
    void showTree(Selection selection);
    void rereadTree();
    void watchCurrentDirectory();

    platform::Prompts& prompts_;
    std::unique_ptr<platform::LocalFolders> folders_;
    core::DirectoryTree tree_;
    DirectoryListModel* model_ = nullptr;
    // Folders made, removed or renamed by others show at once; a current directory that
    // goes away gives way to the nearest one above it.
    QFileSystemWatcher watcher_;

    QComboBox* drives_ = nullptr;      // DriveComboBox1
    QListView* list_ = nullptr;        // DirectoryListBox1
    QPushButton* ok_ = nullptr;        // Button1
    QPushButton* cancel_ = nullptr;    // Button2
    QPushButton* newFolder_ = nullptr; // Button3
};

} // namespace harvex2::ui
