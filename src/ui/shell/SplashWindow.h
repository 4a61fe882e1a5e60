#pragma once

#include <QWidget>

class QLabel;

namespace harvex2::ui {

// The window shown while the program creates its windows: a picture, the version, the
// maker's notice, and an "Init forms:" heading over two form lists, which lie below the
// visible part unless the window is opened in developer mode.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    enum class FormList { First, Second };

    static constexpr int kWidth = 392;
    static constexpr int kHeight = 207;
    static constexpr int kDeveloperHeight = 279;

    explicit SplashWindow(bool developerMode, QWidget* parent = nullptr);

    void setFormList(FormList list, const QString& text);
    void appendToFormList(FormList list, const QString& word);
    // Paints at once: no event loop runs while the program starts.
    void refresh();

private:
    QLabel* addLabel(const char* name, const QString& text, QPoint position);
    QLabel* formList(FormList list) const;

    QLabel* firstFormList_ = nullptr;
    QLabel* secondFormList_ = nullptr;
};

} // namespace harvex2::ui
