#pragma once

#include <QColor>

// The colours that the drawn icons and the splash picture share, so that they match.
namespace harvex2::ui::palette {

inline constexpr QColor kDeepBlue(0x1c, 0x3f, 0x60);
inline constexpr QColor kBlue(0x2e, 0x6b, 0x9e);
inline constexpr QColor kPaleBlue(0xb8, 0xd4, 0xf0);
inline constexpr QColor kYellow(0xf2, 0xc9, 0x4c);
inline constexpr QColor kGreen(0x2f, 0x9a, 0x44);

} // namespace harvex2::ui::palette
