#pragma once

#include "core/extract/LinkPaste.h"

class QMimeData;

namespace harvex2::ui {

struct AppServices;

// Paste links: what the clipboard or a dropped selection offers, into the link list.
class LinkPasting {
public:
    // Whether `data` offers a selection's markup or text.
    static bool offersText(const QMimeData& data);
    static void paste(const QMimeData& data, AppServices& services);

private:
    static core::OfferedText offered(const QMimeData& data);
};

} // namespace harvex2::ui
