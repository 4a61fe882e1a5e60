#pragma once

#include "core/shell/Aria2Endpoint.h"
#include "ui/shell/TargetOptionsGroup.h"

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace harvex2::ui {

// The "aria2" group: the endpoint an Add hands links to, and the way to the dialog that edits
// the endpoints. It says so when the chosen one would carry the token in clear text.
class Aria2Group : public TargetOptionsGroup {
    Q_OBJECT
public:
    explicit Aria2Group(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings) override;
    void confirm(core::SettingsRecord& settings) const override;

private:
    void showEndpoints(int chosen);
    void showProblem();
    void editEndpoints();

    QComboBox* endpoint_;
    QPushButton* edit_;
    QLabel* problem_;
    std::vector<core::Aria2Endpoint> endpoints_;
};

} // namespace harvex2::ui
