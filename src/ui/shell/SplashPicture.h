#pragma once

#include <QPixmap>

namespace harvex2::ui {

// The 219 by 168 picture of the splash window: the program's mark over a list of links
// being ticked and handed on.
class SplashPicture {
public:
    static constexpr int kWidth = 219;
    static constexpr int kHeight = 168;

    static QPixmap draw();
};

} // namespace harvex2::ui
