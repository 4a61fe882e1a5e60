#include "ui/update/AboutLayout.h"

#include "ui/update/WebLink.h"

#include <algorithm>

namespace harvex2::ui {

namespace {

constexpr int kColumnGap = 8;

template <class Widget>
Widget* place(Widget* widget, const char* name, QPoint at, const QString& toolTip) {
    widget->setObjectName(QLatin1StringView(name));
    widget->setToolTip(toolTip);
    widget->move(at);
    widget->adjustSize();
    return widget;
}

} // namespace

QLabel* AboutLayout::addLabel(QWidget* parent, const char* name, const QString& text, QPoint at,
                              const QString& toolTip) {
    return place(new QLabel(text, parent), name, at, toolTip);
}

WebLink* AboutLayout::addLink(QWidget* parent, const char* name, const QString& text, QPoint at,
                              const QString& toolTip) {
    return place(new WebLink(text, parent), name, at, toolTip);
}

int AboutLayout::columnAfter(std::initializer_list<const QWidget*> captions) {
    int right = 0;
    for (const QWidget* caption : captions) {
        right = std::max(right, caption->geometry().right() + 1);
    }
    return right + kColumnGap;
}

} // namespace harvex2::ui
