#include "ui/sequence/BrowseDirDialog.h"

#include "ui/platform/TextBytes.h"
#include "ui/sequence/DirectoryListDelegate.h"
#include "ui/sequence/DirectoryListModel.h"
#include "ui/sequence/NewDirectoryDialog.h"

#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

constexpr QSize kClientSize{245, 198};
constexpr QPoint kPosition{200, 108};

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(at);
    return button;
}

QString volumeText(const platform::Volume& volume) {
    const QString mountPoint = fromPathBytes(volume.mountPoint);
    return volume.name.empty() ? mountPoint
                               : mountPoint + u" ["_s + fromPathBytes(volume.name) + u']';
}

} // namespace

BrowseDirDialog::BrowseDirDialog(platform::Prompts& prompts,
                                 std::unique_ptr<platform::LocalFolders> folders, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      prompts_(prompts), folders_(std::move(folders)), tree_(*folders_) {
    setObjectName(u"TBrowseDir"_s);
    setWindowTitle(u"Browse for directory..."_s);
    buildControls();
    chainTabOrder();
    setFixedSize(kClientSize);
    move(kPosition);
    connect(drives_, &QComboBox::activated, this, &BrowseDirDialog::onDriveChosen);
    connect(list_, &QListView::doubleClicked, this, &BrowseDirDialog::onDirectoryDoubleClicked);
    connect(ok_, &QPushButton::clicked, this, &BrowseDirDialog::onOkClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(newFolder_, &QPushButton::clicked, this, &BrowseDirDialog::onNewFolderClicked);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &BrowseDirDialog::rereadTree);
    showVolumes();
    showTree(Selection::Current);
}

BrowseDirDialog::~BrowseDirDialog() = default;

void BrowseDirDialog::buildControls() {
    drives_ = new QComboBox(this);
    drives_->setObjectName(u"DriveComboBox1"_s);
    drives_->setGeometry(9, 11, 145, 21);

    model_ = new DirectoryListModel(this);
    list_ = new QListView(this);
    list_->setObjectName(u"DirectoryListBox1"_s);
    list_->setGeometry(9, 34, 145, 156);
    list_->setModel(model_);
    list_->setItemDelegate(new DirectoryListDelegate(list_));
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);

    ok_ = addButton(this, "Button1", u"OK"_s, {164, 11, 75, 25});
    ok_->setDefault(true);
    cancel_ = addButton(this, "Button2", u"Cancel"_s, {164, 40, 75, 25});
    newFolder_ = addButton(this, "Button3", u"New Folder..."_s, {164, 102, 75, 25});
}

void BrowseDirDialog::chainTabOrder() {
    setTabOrder(drives_, list_);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, cancel_);
    setTabOrder(cancel_, newFolder_);
}

std::optional<std::string> BrowseDirDialog::browse() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return tree_.current();
}

void BrowseDirDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        rereadOnShow();
    }
}

void BrowseDirDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous() && !watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
}

// Volumes come and go and folders change while the browser is hidden.
void BrowseDirDialog::rereadOnShow() {
    tree_.rereadVolumes();
    tree_.reread();
    showVolumes();
    showTree(Selection::Current);
    list_->setFocus();
}

// Enter opens the selected directory, as a double-click does, instead of pressing OK.
bool BrowseDirDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onDirectoryDoubleClicked(list_->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// OK returns the directory that is open, not the one merely selected. One that has gone
// since it was opened is not returned: the list moves up and the user chooses again.
void BrowseDirDialog::onOkClicked() {
    if (!tree_.currentExists()) {
        rereadTree();
        return;
    }
    accept();
}

void BrowseDirDialog::onNewFolderClicked() {
    NewDirectoryDialog dialog(*folders_, prompts_, tree_.current(), this);
    if (dialog.exec() == QDialog::Accepted) {
        rereadTree();
    }
}

void BrowseDirDialog::onDriveChosen(int index) {
    if (index >= 0) {
        tree_.openVolume(static_cast<std::size_t>(index));
        showTree(Selection::Current);
    }
}

void BrowseDirDialog::onDirectoryDoubleClicked(const QModelIndex& index) {
    if (index.isValid()) {
        tree_.openRow(static_cast<std::size_t>(index.row()));
        showTree(Selection::Current);
    }
}

void BrowseDirDialog::showVolumes() {
    const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
    drives_->clear();
    for (const platform::Volume& volume : tree_.volumes()) {
        drives_->addItem(icon, volumeText(volume));
    }
    // Mount points are long: the opened list is as wide as its longest line.
    drives_->view()->setMinimumWidth(drives_->view()->sizeHintForColumn(0) +
                                     drives_->view()->frameWidth() * 2);
}

// Opening a directory selects it; reading the same directory again leaves the selection
// on the line it was on while that line is still listed.
void BrowseDirDialog::showTree(Selection selection) {
    const QModelIndex selected = list_->currentIndex();
    const std::string kept = selection == Selection::Keep && selected.isValid()
                                 ? model_->entry(selected.row()).path
                                 : tree_.current();
    model_->setEntries(tree_.entries());
    const int keptRow = model_->rowOf(kept);
    list_->setCurrentIndex(
        model_->index(keptRow >= 0 ? keptRow : static_cast<int>(tree_.currentRow())));
    list_->scrollTo(list_->currentIndex());
    const auto volume = tree_.currentVolume();
    drives_->setCurrentIndex(volume ? static_cast<int>(*volume) : -1);
    drives_->setToolTip(drives_->currentText());
    if (isVisible()) {
        watchCurrentDirectory();
    }
}

void BrowseDirDialog::watchCurrentDirectory() {
    const QString current = fromPathBytes(tree_.current());
    if (watcher_.directories() == QStringList{current}) {
        return;
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    watcher_.addPath(current);
}

void BrowseDirDialog::rereadTree() {
    tree_.reread();
    showTree(Selection::Keep);
}

} // namespace harvex2::ui
