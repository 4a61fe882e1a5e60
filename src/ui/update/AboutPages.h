#pragma once

class QWidget;

namespace harvex2::core {
class DesktopOpener;
}

namespace harvex2::ui {

// The About box's pages whose contents never change while it is open: the program and
// its version, the download managers' web pages, the credits and the maker's contact.
class AboutPages {
public:
    static QWidget* about(QWidget* parent);
    static QWidget* homepages(const core::DesktopOpener& opener, QWidget* parent);
    static QWidget* credits(QWidget* parent);
    static QWidget* contact(const core::DesktopOpener& opener, QWidget* parent);
};

} // namespace harvex2::ui
