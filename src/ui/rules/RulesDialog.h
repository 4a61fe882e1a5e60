#pragma once

#include "core/rules/RuleSet.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace harvex2::ui {

struct AppServices;
class PresetBar;

// "Select by Rules...": the rule text, how many links it would leave selected and which
// line decides the current entry, worked out again shortly after each edit. OK applies
// the rules to the list as one change.
class RulesDialog : public QDialog {
    Q_OBJECT
public:
    struct Sources {
        // The Base URL box's bytes.
        std::function<std::string()> base;
        // The list's current entry, if any.
        std::function<std::optional<std::size_t>()> currentEntry;
        std::string presetFolder;
    };

    RulesDialog(AppServices& services, Sources sources, QWidget* parent = nullptr);

    void accept() override;
    // Parses the text and shows the count and the explanation now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string ruleText() const;
    void showCount(const core::RuleSet& rules, const core::RuleContext& context);
    void showDecision(const core::RuleSet& rules, const core::RuleContext& context);

    AppServices& services_;
    Sources sources_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* decision_ = nullptr;
    QPushButton* ok_ = nullptr;
    PresetBar* presets_ = nullptr;
    QTimer* pause_ = nullptr;
    std::optional<core::RuleSet> rules_;
};

} // namespace harvex2::ui
