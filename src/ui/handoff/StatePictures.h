#pragma once

#include "core/handoff/AddingRows.h"

#include <array>

#include <QPixmap>

namespace harvex2::ui {

// Which download manager the hand-off pictures show.
enum class PictureSet { NetVampire, ReGet, Aria2, Command };

// A set with the object name of its icon in the Please-wait window.
struct PictureSetName {
    PictureSet set;
    const char* pleaseWaitName;
};

// The row state pictures of the Adding window and the icon of the Please-wait window.
class StatePictures {
public:
    static constexpr int kStateSize = 16;
    static constexpr int kIconSize = 32;

    static constexpr PictureSetName kSets[] = {{PictureSet::NetVampire, "Image1"},
                                               {PictureSet::ReGet, "Image2"},
                                               {PictureSet::Aria2, "Image3"},
                                               {PictureSet::Command, "Image4"}};

    // Indexed by core::RowPicture.
    static std::array<QPixmap, 5> stateSet(PictureSet set);
    static QPixmap pleaseWaitIcon(PictureSet set);
};

} // namespace harvex2::ui
