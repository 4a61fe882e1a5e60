#pragma once

#include <initializer_list>

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace harvex2::ui {

class WebLink;

// Placing the About box's labels and links: each sized to its text at a point of its
// page, and the column beside a set of captions, far enough right for the widest.
class AboutLayout {
public:
    static QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QPoint at,
                            const QString& toolTip = {});
    static WebLink* addLink(QWidget* parent, const char* name, const QString& text, QPoint at,
                            const QString& toolTip = {});
    static int columnAfter(std::initializer_list<const QWidget*> captions);
};

} // namespace harvex2::ui
