#pragma once

#include "core/handoff/AddingRows.h"

#include <array>
#include <cstdint>

#include <QPixmap>

namespace harvex2::ui {

// Which download manager the hand-off pictures show.
enum class PictureSet { NetVampire, ReGet, Aria2 };

// The row state pictures of the Adding window and the icon of the Please-wait window.
class StatePictures {
public:
    static constexpr int kStateSize = 16;
    static constexpr int kIconSize = 32;

    // ReGet's pictures for target program 1, aria2's for 3, Net Vampire's for any other value.
    static PictureSet forMode(std::int32_t mode);
    // Indexed by core::RowPicture.
    static std::array<QPixmap, 5> stateSet(PictureSet set);
    static QPixmap pleaseWaitIcon(PictureSet set);
};

} // namespace harvex2::ui
