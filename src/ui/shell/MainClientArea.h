#pragma once

#include "core/shell/SettingsRecord.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolBar;

namespace harvex2::ui {

class LinkListModel;
class LinkListView;
class MainStatusBar;

// Everything of the main window below its menu bar: toolbar, link list, the two input
// boxes, the Actions group and the status bar, placed at their design coordinates and
// moved by the resize rule whenever the area changes size.
class MainClientArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignWidth = 374;
    static constexpr int kDesignHeight = 373;
    // What the caption, the menu bar and the borders added to the area in the design: the
    // outer size that the resize rule and the stored settings speak of is the area's size
    // plus these.
    static constexpr int kFrameWidth = 2;
    static constexpr int kFrameHeight = 38;

    explicit MainClientArea(LinkListModel& model, QWidget* parent = nullptr);

    // Runs the resize rule for the area's present size. A hidden area is not told of its
    // size changes until it is shown, so whoever sizes it while hidden calls this.
    void arrange();

    // Names the chosen target in the status bar and in the download folder's note.
    void showTarget(core::TargetProgram mode, const core::SettingsRecord& settings);

    // The toolbar across the top; the area takes it over.
    void setToolBar(QToolBar* toolBar);

    LinkListView* list() const { return list_; }
    QComboBox* baseUrlBox() const { return baseUrl_; }
    QComboBox* directoryBox() const { return directory_; }
    MainStatusBar* statusBar() const { return statusBar_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* addSelectedButton() const { return addSelected_; }
    QPushButton* addAllButton() const { return addAll_; }
    QPushButton* deleteSelectedButton() const { return deleteSelected_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text, QPoint position);
    QComboBox* addHistoryBox(const char* name, QRect geometry);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& text, QRect geometry);
    void buildActions();
    void chainTabOrder();

    QToolBar* toolBar_ = nullptr;
    LinkListView* list_ = nullptr;
    QLabel* baseUrlLabel_ = nullptr;
    QComboBox* baseUrl_ = nullptr;
    QLabel* directoryLabel_ = nullptr;
    QComboBox* directory_ = nullptr;
    QPushButton* browse_ = nullptr;
    QGroupBox* actions_ = nullptr;
    QPushButton* addSelected_ = nullptr;
    QPushButton* addAll_ = nullptr;
    QPushButton* deleteSelected_ = nullptr;
    MainStatusBar* statusBar_ = nullptr;
};

} // namespace harvex2::ui
