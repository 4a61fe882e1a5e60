#include "ui/handoff/AddingWindow.h"

#include "core/handoff/TargetWording.h"
#include "ui/handoff/AddingRowsModel.h"
#include "ui/handoff/ColumnFitter.h"
#include "ui/handoff/JobPollTimer.h"
#include "ui/handoff/PleaseWaitWindow.h"
#include "ui/handoff/StatePictures.h"
#include "ui/handoff/TargetRegistry.h"
#include "ui/handoff/WindowDownloads.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/AppServices.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
constexpr QSize kInitialSize(511, 298);
constexpr int kProgressHeight = 24;
// The list's height is the group's less the bar's less this.
constexpr int kListAllowance = 20;
constexpr int kGroupInset = 8;
constexpr int kListTop = 15;
constexpr int kFittedColumns = 3;
// A bar whose range is empty would show Qt's busy animation; an idle one shows nothing.
constexpr int kIdleMaximum = 100;
} // namespace

AddingWindow::AddingWindow(AppServices& services, std::chrono::milliseconds startDelay,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services),
      pass_(*services.userStore, *services.machineStore, *services.dde, *services.automation,
            *services.jsonRpc, services.launcher, services.statusBar),
      model_(new AddingRowsModel(rows_, this)), group_(new QGroupBox), list_(new QTreeView(group_)),
      progress_(new QProgressBar(group_)), timer_(new QTimer(this)) {
    setObjectName(u"TForm3"_s);
    setWindowTitle(u"Harvex"_s);
    resize(kInitialSize);
    buildControls();
    timer_->setObjectName(u"Timer1"_s);
    timer_->setInterval(startDelay);
    connect(timer_, &QTimer::timeout, this, &AddingWindow::startPass);
    showTarget(services.settings->mode);
    new JobPollTimer(pass_.jobManager(), this);
    // The component has been loaded with its window.
    pass_.jobManager().loaded();
}

AddingWindow::~AddingWindow() {
    // A program that ends mid-pass leaves the call in flight to fail on its own.
    pass_.abandon();
    // The poll timer, a child of the window, goes after the component it drives.
    pass_.jobManager().setPollTimer(nullptr);
}

void AddingWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group_);
    group_->setObjectName(u"GroupBox1"_s);
    group_->installEventFilter(this);

    list_->setObjectName(u"ListView1"_s);
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    // A long link keeps its file name in sight.
    list_->setTextElideMode(Qt::ElideMiddle);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setIconSize(QSize(StatePictures::kStateSize, StatePictures::kStateSize));
    list_->header()->setSectionsClickable(false);
    list_->header()->setStretchLastSection(false);
    list_->setColumnHidden(AddingRowsModel::IndexColumn, true);
    auto* fitter = new ColumnFitter(*list_, kFittedColumns);
    fitter->capToView(AddingRowsModel::UrlColumn);

    progress_->setObjectName(u"ProgressBar1"_s);
    progress_->setTextVisible(false);
    progress_->setRange(0, kIdleMaximum);
    progress_->setValue(0);
}

bool AddingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == group_ && event->type() == QEvent::Resize) {
        layOutGroup();
    }
    return QDialog::eventFilter(watched, event);
}

void AddingWindow::layOutGroup() {
    const int width = group_->width() - 2 * kGroupInset;
    const int listHeight = group_->height() - kProgressHeight - kListAllowance;
    list_->setGeometry(kGroupInset, kListTop, width, listHeight);
    progress_->setGeometry(kGroupInset, group_->height() - kProgressHeight - 3, width,
                           kProgressHeight);
}

void AddingWindow::showTarget(core::TargetProgram mode) {
    model_->setPictures(StatePictures::stateSet(TargetRegistry::picturesFor(mode)));
    group_->setTitle(fromBytes(core::TargetWording::addingTitle(mode, *services_.settings)));
}

void AddingWindow::open(std::function<void()> closed) {
    pendingClose_.reset();
    closed_ = std::move(closed);
    timer_->start();
    QDialog::open();
}

void AddingWindow::startPass() {
    timer_->stop();
    core::AddingPassContext context{rows_,
                                    *this,
                                    *services_.settings,
                                    *services_.prompts,
                                    *services_.windowThread,
                                    *services_.userStore,
                                    *services_.machineStore};
    context.ledger = services_.ledger;
    context.presets = &presets_;
    context.reports = services_.downloads;
    pass_.start(context, [this] { passEnded(); });
}

void AddingWindow::passEnded() {
    if (pendingClose_) {
        closeWith(*pendingClose_);
    }
}

void AddingWindow::done(int result) {
    pass_.abandon();
    closeWith(result);
}

void AddingWindow::closeWith(int result) {
    timer_->stop();
    pendingClose_.reset();
    hidePleaseWait();
    QDialog::done(result);
    // Told last: the listener may start the next run at once.
    if (auto closed = std::exchange(closed_, {})) {
        closed();
    }
    // After the Add command's own texts, which the first summary replaces.
    if (services_.downloads) {
        services_.downloads->handOffClosed();
    }
}

void AddingWindow::setCaption(const std::string& caption) {
    setWindowTitle(fromBytes(caption));
}

void AddingWindow::scrollToRow(std::size_t row) {
    list_->scrollTo(model_->index(static_cast<int>(row), 0));
}

void AddingWindow::setProgressRange(int maximum) {
    progress_->setRange(0, maximum > 0 ? maximum : kIdleMaximum);
}

void AddingWindow::setProgressPosition(int position) {
    progress_->setValue(position);
}

void AddingWindow::requestClose(bool ok) {
    const int result = ok ? Accepted : Rejected;
    if (pass_.running()) {
        pendingClose_ = result;
        return;
    }
    closeWith(result);
}

void AddingWindow::setPleaseWaitStatus(const std::string& status) {
    if (pleaseWait_) {
        pleaseWait_->setStatus(status);
    }
}

void AddingWindow::showPleaseWait() {
    if (pleaseWait_) {
        pleaseWait_->showOver(*this);
    }
}

void AddingWindow::hidePleaseWait() {
    if (pleaseWait_) {
        pleaseWait_->hide();
    }
}

} // namespace harvex2::ui
