#include "ui/update/AboutPages.h"

#include "core/shell/DesktopOpener.h"
#include "core/shell/ProgramVersion.h"
#include "core/update/ProjectSite.h"
#include "ui/platform/TextBytes.h"
#include "ui/shell/Artwork.h"
#include "ui/update/AboutLayout.h"
#include "ui/update/AboutNames.h"
#include "ui/update/WebLink.h"

#include <string>

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using Names = AboutNames;

namespace {

constexpr int kIconSize = 32;
constexpr int kTextWidth = 340;

QWidget* makePage(const char* name, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1StringView(name));
    return page;
}

void makeBold(QLabel& label) {
    QFont bold = label.font();
    bold.setBold(true);
    label.setFont(bold);
    label.adjustSize();
}

// A link whose caption is its address, opened maximised.
WebLink* addAddressLink(QWidget* page, const core::DesktopOpener& opener, const char* name,
                        QPoint at, const std::string& address, const QString& toolTip) {
    WebLink* link = AboutLayout::addLink(page, name, fromBytes(address), at, toolTip);
    QObject::connect(link, &WebLink::clicked, page, [opener, address] {
        opener.openAddress(address, platform::ShowMode::Maximised);
    });
    return link;
}

QLabel* wrappedText(QWidget* page, const char* name, const QString& text) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QLatin1StringView(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

QWidget* AboutPages::about(QWidget* parent) {
    QWidget* page = makePage(Names::kAboutPage, parent);
    auto* icon = new QLabel(page);
    icon->setObjectName(QLatin1StringView(Names::kProgramIcon));
    icon->setPixmap(Artwork::windowIcon().pixmap(kIconSize, kIconSize));
    icon->setGeometry(16, 16, kIconSize, kIconSize);
    makeBold(*AboutLayout::addLabel(page, Names::kProductName, u"Harvex2"_s, {60, 16}));
    const std::string version = core::ProgramVersion::text(toBytes(QLocale().decimalPoint()));
    AboutLayout::addLabel(page, Names::kVersion, u"v"_s + fromBytes(version), {60, 34});
    return page;
}

QWidget* AboutPages::homepages(const core::DesktopOpener& opener, QWidget* parent) {
    QWidget* page = makePage(Names::kHomepagesPage, parent);
    // Each address under its caption: a long address needs the page's whole width.
    AboutLayout::addLabel(page, Names::kNetVampireCaption, u"NV Homepage:"_s, {16, 16});
    addAddressLink(page, opener, Names::kNetVampireLink, {28, 34}, core::ProjectSite::netVampire(),
                   u"The site for NetVampire"_s);
    AboutLayout::addLabel(page, Names::kReGetCaption, u"ReGet Homepage:"_s, {16, 60});
    addAddressLink(page, opener, Names::kReGetLink, {28, 78}, core::ProjectSite::reGet(),
                   u"Reget's Homepage"_s);
    QLabel* note = wrappedText(page, Names::kNetVampireNote,
                               u"Go to the NV homepage to download the NVManager component."_s);
    note->setGeometry(16, 110, kTextWidth, 32);
    return page;
}

QWidget* AboutPages::credits(QWidget* parent) {
    QWidget* page = makePage(Names::kCreditsPage, parent);
    auto* column = new QVBoxLayout(page);
    column->addWidget(wrappedText(
        page, Names::kThanks,
        u"Harvex2 is written and kept by Quillfern Software. Thanks to everyone who sent in "
        "bug reports and ideas, and to the makers of Net Vampire and ReGet, whose programs "
        "take links from others."_s));
    QLabel* heading = wrappedText(page, Names::kLibrariesHeading, u"Libraries"_s);
    makeBold(*heading);
    column->addWidget(heading);
    column->addWidget(wrappedText(
        page, Names::kLibraryList,
        u"Qt 6 (Core, Gui, Widgets): GNU Lesser General Public License version 3. Harvex2 "
        "uses the Qt libraries installed on the system, which can be replaced by any "
        "compatible build.\n"
        "libcurl: the curl licence (MIT-style). RE2: BSD 3-Clause License.\n"
        "JSON for Modern C++ (nlohmann-json): MIT License.\n"
        "libglvnd (libGLX, libOpenGL), which Qt draws through: MIT License.\n"
        "GNU C++ Library and GCC runtime: GNU General Public License version 3 with the GCC "
        "Runtime Library Exception.\n"
        "GNU C Library: GNU Lesser General Public License version 2.1.\n"
        "These in turn use FreeType, HarfBuzz, ICU, PCRE2, OpenSSL, nghttp2, zlib, libpng and "
        "others, each under its own free licence."_s));
    column->addStretch();
    return page;
}

QWidget* AboutPages::contact(const core::DesktopOpener& opener, QWidget* parent) {
    QWidget* page = makePage(Names::kContactPage, parent);
    makeBold(*AboutLayout::addLabel(page, Names::kMaker, u"Quillfern Software"_s, {16, 16}));
    const QLabel* web = AboutLayout::addLabel(page, Names::kWebCaption, u"Web:"_s, {16, 40});
    const QLabel* write =
        AboutLayout::addLabel(page, Names::kWriteCaption, u"Write to us:"_s, {16, 62});
    const int column = AboutLayout::columnAfter({web, write});
    addAddressLink(page, opener, Names::kMakerLink, {column, 40}, core::ProjectSite::home(),
                   u"Harvex2's homepage"_s);
    addAddressLink(page, opener, Names::kContactLink, {column, 62}, core::ProjectSite::contact(),
                   u"Questions, bug reports and ideas"_s);
    QLabel* note = wrappedText(page, Names::kFreeNote,
                               u"Harvex2 is free to use and to share. Questions, bug reports "
                               "and ideas are always welcome."_s);
    note->setGeometry(16, 94, kTextWidth, 32);
    return page;
}

} // namespace harvex2::ui
