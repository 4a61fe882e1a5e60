#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

class QListWidget;
class QPushButton;

namespace harvex2::ui {

struct AppServices;

// "Select settings to load...": the stored sequence profiles, to pick one or delete some.
class SettingsListDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsListDialog(AppServices& services, QWidget* parent = nullptr);

    // The profile picked, exactly as the store names it.
    std::optional<std::string> selectedName() const;

    void onDeleteClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();

    AppServices& services_;
    QListWidget* list_;   // ListBox1
    QPushButton* ok_;     // OKBtn
    QPushButton* delete_; // Button1
    // The names behind the list's rows: a name need not be valid UTF-8.
    std::vector<std::string> names_;
};

} // namespace harvex2::ui
