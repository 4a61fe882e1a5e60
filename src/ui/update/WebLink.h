#pragma once

#include <QLabel>

namespace harvex2::ui {

// A label that reads as a web link: blue, underlined, a hand under the mouse. A click
// with the left button, or Space while it has the focus, emits `clicked`; a disabled
// link shows greyed and emits nothing.
class WebLink : public QLabel {
    Q_OBJECT
public:
    WebLink(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace harvex2::ui
