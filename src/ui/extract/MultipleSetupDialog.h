#pragma once

#include <string>
#include <vector>

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace harvex2::ui {

struct AppServices;
class BaseUrlPrompt;
class MultipleProgressWindow;

// "Parse Multiple Files": lists the files dropped together and asks how their relative
// links get a base, then parses them all in one run. It keeps its choices between runs.
class MultipleSetupDialog : public QDialog {
    Q_OBJECT
public:
    MultipleSetupDialog(AppServices& services, BaseUrlPrompt& prompt, QWidget* parent = nullptr);

    // The window that follows the runs; it is created after this dialog.
    void setProgressWindow(MultipleProgressWindow& progress) { progress_ = &progress; }

    // Replaces the file list with `paths` and shows the dialog modally.
    void parseFiles(const std::vector<std::string>& paths);
    std::vector<std::string> files() const;

    void RadioButton1Click();
    void RadioButton2Click();
    void Button1Click();
    void Button2Click();
    // The file list's "Remove": the selected paths leave the list.
    void removeSelected();

    void reject() override;

private:
    void buildFiles();
    void buildMethod();
    void buildButtons();
    void enableBase(bool enabled);

    AppServices& services_;
    BaseUrlPrompt& prompt_;
    MultipleProgressWindow* progress_ = nullptr;

    QListWidget* list_ = nullptr;      // ListBox1
    QRadioButton* oneBase_ = nullptr;  // RadioButton1
    QRadioButton* eachFile_ = nullptr; // RadioButton2
    QLabel* baseLabel_ = nullptr;      // Label1
    QLineEdit* base_ = nullptr;        // txtBase
    QPushButton* close_ = nullptr;     // Button2
};

} // namespace harvex2::ui
