#pragma once

#include "core/update/UpdateEngine.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace harvex2::ui {

struct AppServices;
class DirectUpdatePage;

// "About" (objectName TAboutBox): the program and its version, the download managers'
// web pages, credits, the maker's contact and the update engine's state. Made for one
// showing, with an update component of its own that reads the installation afresh.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    // In the order the tabs stand.
    enum class Tab { About, Homepages, Credits, Contact, DirectUpdate };

    static constexpr QSize kClientSize{394, 302};

    explicit AboutBox(AppServices& services, QWidget* parent = nullptr);

    void selectTab(Tab tab);
    Tab currentTab() const;
    DirectUpdatePage& directUpdatePage() const { return *directUpdatePage_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildButtons(bool developerMode);

    core::UpdateEngine engine_;
    QTabWidget* tabs_ = nullptr;
    DirectUpdatePage* directUpdatePage_ = nullptr;
};

} // namespace harvex2::ui
