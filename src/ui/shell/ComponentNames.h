#pragma once

#include <QSet>
#include <QString>

namespace harvex2::ui {

// Gives menu items the names their designer would have given them: the caption without
// "&", blanks, dots and other punctuation, capitalised first letter and the rest in lower
// case, then the lowest number from 1 up that is still free ("&Select All" -> Selectall1,
// the pop-up twin "Select all" -> Selectall2). Components without a caption are named by
// their kind: N1, N2, ... for separators, PopupMenu1, ToolButton1, ...
class ComponentNames {
public:
    QString forCaption(const QString& caption);
    QString forKind(const QString& kind) { return firstFree(kind); }
    // Reserves a name chosen by hand so that no derived name collides with it.
    QString reserve(const QString& name);

private:
    QString firstFree(const QString& stem);

    QSet<QString> taken_;
};

} // namespace harvex2::ui
