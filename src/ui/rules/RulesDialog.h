#pragma once

#include "core/rules/RuleSet.h"

#include <cstddef>
#include <functional>
#include <memory>
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
class RunDriver;

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
    ~RulesDialog() override;

    void accept() override;
    // Parses the text and shows the explanation now; the count follows from the event loop.
    void refresh();
    bool counting() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string ruleText() const;
    // What "sent:" asks, when the program keeps a record of sent links.
    const core::SentLookup* sent() const;
    void startCount(const std::string& base);
    void showDecision(const core::RuleSet& rules, const core::RuleContext& context);

    AppServices& services_;
    Sources sources_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* decision_ = nullptr;
    QPushButton* ok_ = nullptr;
    PresetBar* presets_ = nullptr;
    QTimer* pause_ = nullptr;
    std::shared_ptr<const core::RuleSet> rules_;
    // A fresh one for each count: the one before goes with the count it was driving.
    std::unique_ptr<RunDriver> counter_;
};

} // namespace harvex2::ui
