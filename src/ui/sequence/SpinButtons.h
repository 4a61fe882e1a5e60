#pragma once

#include <cstdint>

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace harvex2::ui {

// Up and down buttons beside an edit that holds a number. They step the number within
// their range; the edit itself accepts any text, and the arrow keys in it step as well.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(QLineEdit& edit, std::int32_t minimum, std::int32_t maximum,
                QWidget* parent = nullptr);

    // Steps once by `delta` from the edit's number (or from the last number stepped to
    // when the edit holds none) and writes the result into the edit.
    void stepBy(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit& edit_;
    std::int32_t minimum_;
    std::int32_t maximum_;
    std::int32_t position_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace harvex2::ui
