#pragma once

#include <functional>
#include <string>

#include <QDialog>

class QLabel;
class QLineEdit;

namespace harvex2::ui {

// "Enter base URL": asks for the base of one file of a multiple-file run. It cannot be
// cancelled; whatever the field holds when OK is pressed is the answer.
class BaseUrlPrompt : public QDialog {
    Q_OBJECT
public:
    // Names longer than this are cut for the label; the tooltip keeps them whole.
    static constexpr qsizetype kLongestName = 20;

    explicit BaseUrlPrompt(QWidget* parent = nullptr);

    using Answered = std::function<void(const std::string& base)>;

    // Shows the prompt modally for the file at `path`, preset to "http://", and returns at
    // once; `answered` hears the field's text when OK is pressed.
    void ask(const std::string& path, Answered answered);
    // The name as the label shows it.
    static QString shownName(const QString& name);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void centreOnDesktop();

    QLabel* fileName_ = nullptr; // lblFileName
    QLineEdit* edit_ = nullptr;  // Edit1
    Answered answered_;
};

} // namespace harvex2::ui
