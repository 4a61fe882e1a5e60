#include "ui/shell/SkipSentBox.h"

#include "ui/shell/OptionsNames.h"

namespace harvex2::ui {

SkipSentBox::SkipSentBox(QWidget* parent)
    : QCheckBox(QStringLiteral("Leave out links already sent to this target"), parent) {
    setObjectName(QLatin1StringView(OptionsNames::kSkipSent));
}

} // namespace harvex2::ui
