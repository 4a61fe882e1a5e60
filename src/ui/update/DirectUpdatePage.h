#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace harvex2::core {
class UpdateEngine;
}

namespace harvex2::ui {

class WebLink;

// The About box's "DirectUpdate" page: the update engine's home page link and its
// state, with the ways to get it (when missing) or to update it (when there).
class DirectUpdatePage : public QWidget {
    Q_OBJECT
public:
    DirectUpdatePage(core::UpdateEngine& engine, QWidget* parent);

    // Reads the installation again and shows what it found.
    void refresh();
    // The developer's view of the two states, for trying out the page on any machine:
    // the first shows "not installed" without looking, the second shows "installed"
    // whatever the check finds.
    void simulateNotInstalled();
    void simulateInstalled();

private:
    void buildGroup();
    void showState(bool installed, const QString& versionText);

    core::UpdateEngine& engine_;
    QLabel* componentVersion_ = nullptr;
    QLabel* versionCaption_ = nullptr;
    QLabel* version_ = nullptr;
    WebLink* download_ = nullptr;
    QPushButton* updateEngine_ = nullptr;
    QToolButton* refresh_ = nullptr;
};

} // namespace harvex2::ui
