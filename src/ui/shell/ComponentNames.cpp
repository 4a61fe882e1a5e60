#include "ui/shell/ComponentNames.h"

namespace harvex2::ui {

QString ComponentNames::forCaption(const QString& caption) {
    QString stem;
    for (const QChar c : caption) {
        if (c.isLetterOrNumber()) {
            stem += stem.isEmpty() ? c.toUpper() : c.toLower();
        }
    }
    return firstFree(stem);
}

QString ComponentNames::reserve(const QString& name) {
    taken_.insert(name);
    return name;
}

QString ComponentNames::firstFree(const QString& stem) {
    for (int number = 1;; ++number) {
        const QString name = stem + QString::number(number);
        if (!taken_.contains(name)) {
            taken_.insert(name);
            return name;
        }
    }
}

} // namespace harvex2::ui
