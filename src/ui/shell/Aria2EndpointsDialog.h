#pragma once

#include "core/shell/Aria2Endpoint.h"

#include <vector>

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace harvex2::ui {

// Edits the aria2 endpoints, each with where its JSON-RPC interface listens, the token it
// asks for, its default folder and how its certificate is checked. A name that does not fit
// is not taken, and an address that would carry the token in clear text is named as
// refused; the dialog says why.
class Aria2EndpointsDialog : public QDialog {
    Q_OBJECT
public:
    Aria2EndpointsDialog(std::vector<core::Aria2Endpoint> endpoints, int shown, QWidget* parent);

    const std::vector<core::Aria2Endpoint>& endpoints() const { return endpoints_; }
    int shown() const;

private:
    void buildLayout();
    void showEndpoint(int index);
    // Takes what the fields hold into the endpoint shown.
    void takeFields();
    void addEndpoint();
    void removeEndpoint();
    void showProblem(const std::string& nameProblem);

    QComboBox* endpoint_;
    QPushButton* add_;
    QPushButton* remove_;
    QLineEdit* name_;
    QLineEdit* url_;
    QLineEdit* secret_;
    QLineEdit* folder_;
    QLineEdit* caFile_;
    QCheckBox* plainToken_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
    std::vector<core::Aria2Endpoint> endpoints_;
    // Shown in the fields; -1 while none is, as when the fields are being filled.
    int shown_ = -1;
};

} // namespace harvex2::ui
