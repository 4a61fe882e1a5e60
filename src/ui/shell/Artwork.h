#pragma once

#include <QIcon>
#include <QPixmap>

namespace harvex2::ui {

// The nine 16 by 16 images that the menus and the toolbar share.
enum class ArtImage {
    ParseHtml,
    OpenList,
    Sequence,
    ClearList,
    RemoveSelected,
    SaveLinks,
    TextFiles,
    About,
    LoadFile,
};

// The program's pictures, drawn rather than shipped so that they stay sharp and need no
// resource files.
class Artwork {
public:
    static constexpr int kImageSize = 16;

    static QPixmap image(ArtImage which);
    static QIcon icon(ArtImage which) { return QIcon(image(which)); }
    static QIcon windowIcon();
};

} // namespace harvex2::ui
