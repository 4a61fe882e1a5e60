#pragma once

#include <string>

#include <QDialog>

class QLineEdit;

namespace harvex2::ui {

struct AppServices;

// "Save Sequential profile": asks for the name to save the sequence fields under. Keeps
// the last name typed; OK refuses a name that cannot name a profile.
class SaveProfileDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveProfileDialog(AppServices& services, QWidget* parent = nullptr);

    std::string profileName() const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppServices& services_;
    QLineEdit* name_; // txtProfileName
};

} // namespace harvex2::ui
