#include "ui/shell/MainMenus.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

using Item = MainMenus::Item;
constexpr Item kSeparator{};

QString caption(const Item& item) {
    return QString::fromUtf16(item.caption);
}

} // namespace

MainMenus::MainMenus(QMenuBar& menuBar, QWidget& toolBarParent) : QObject(&menuBar) {
    // Names that other windows' commands already use are taken before any derived name.
    for (const char* name : {"Openlist1", "SaveHTML1", "LoadHarvexlinkslist1"}) {
        names_.reserve(QLatin1StringView(name));
    }
    buildMenuBar(menuBar);
    buildListPopup(toolBarParent);
    buildToolBar(toolBarParent);
}

QMenu* MainMenus::named(QMenu* menu) {
    menu->setObjectName(names_.forCaption(menu->title()));
    menus_.push_back(menu);
    return menu;
}

QAction* MainMenus::addItem(QMenu* menu, const Item& item) {
    if (!item.caption) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(names_.forKind(u"N"_s));
        return separator;
    }
    QAction* action = menu->addAction(caption(item));
    action->setObjectName(item.fixedName ? QString::fromLatin1(item.fixedName)
                                         : names_.forCaption(caption(item)));
    if (item.shortcut) {
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
    }
    if (item.image) {
        action->setIcon(Artwork::icon(*item.image));
    }
    const MainCommand command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { emit triggered(command); });
    return action;
}

void MainMenus::addItems(QMenu* menu, std::initializer_list<Item> items) {
    for (const Item& item : items) {
        addItem(menu, item);
    }
}

void MainMenus::buildMenuBar(QMenuBar& bar) {
    QMenu* file = named(bar.addMenu(u"&File"_s));
    addItems(file, {{u"&Parse HTML...", MainCommand::ParseHtml, nullptr, ArtImage::ParseHtml},
                    {u"Parse &Multiple Files…",
                     MainCommand::ParseMultiple,
                     nullptr,
                     {},
                     "ParseMultipleFiles1"},
                    {u"O&pen Harvex links list...", MainCommand::OpenList, nullptr,
                     ArtImage::OpenList, "Openlist1"},
                    kSeparator,
                    {u"&Save links...", MainCommand::SaveLinks, nullptr, {}, "SaveHTML1"},
                    kSeparator,
                    {u"Add se&quence...", MainCommand::AddSequence, nullptr, ArtImage::Sequence},
                    kSeparator,
                    {u"&Options...", MainCommand::Options},
                    {u"E&xit", MainCommand::Exit}});

    QMenu* list = named(bar.addMenu(u"&List"_s));
    addItems(list,
             {{u"&Select All", MainCommand::SelectAll, "Ctrl+A"},
              {u"&Deselect All", MainCommand::DeselectAll, "Ctrl+D"},
              {u"Invert Selection", MainCommand::InvertSelection},
              {u"Select S&pecial...", MainCommand::SelectSpecial},
              {u"Select &by Rules...", MainCommand::SelectByRules},
              kSeparator,
              {u"&Paste links", MainCommand::PasteLinks},
              {u"&Clear", MainCommand::Clear, "Ctrl+X", ArtImage::ClearList},
              {u"&Remove Selected", MainCommand::RemoveSelected, nullptr, ArtImage::RemoveSelected},
              {u"Remove D&uplicates", MainCommand::RemoveDuplicates}});
    ignoreTracking_ = addItem(list, {u"Ignore &Tracking Parameters", MainCommand::IgnoreTracking});
    ignoreTracking_->setCheckable(true);
    addItem(list, {u"&Undo", MainCommand::Undo});

    QMenu* help = named(bar.addMenu(u"&Help"_s));
    addItems(help, {{u"Check for new &version...", MainCommand::CheckForNewVersion},
                    {u"&Count...", MainCommand::Count},
                    kSeparator});
    QMenu* texts = named(help->addMenu(u"Text Files"_s));
    texts->menuAction()->setIcon(Artwork::icon(ArtImage::TextFiles));
    addItems(texts,
             {{u"Readme", MainCommand::Readme}, {u"Version History", MainCommand::VersionHistory}});
    addItem(help, {u"&About...", MainCommand::About, nullptr, ArtImage::About});
}

void MainMenus::buildListPopup(QWidget& owner) {
    listPopup_ = new QMenu(&owner);
    listPopup_->setObjectName(names_.forKind(u"PopupMenu"_s));
    menus_.push_back(listPopup_);
    addItems(listPopup_,
             {{u"Select all", MainCommand::SelectAll},
              {u"Deselect all", MainCommand::DeselectAll},
              {u"Invert Selection", MainCommand::InvertSelection},
              kSeparator,
              {u"Delete selected", MainCommand::RemoveSelected, nullptr, ArtImage::RemoveSelected},
              {u"Delete all", MainCommand::Clear, nullptr, ArtImage::ClearList},
              kSeparator,
              {u"Select special...", MainCommand::SelectSpecial},
              {u"Paste links", MainCommand::PasteLinks},
              kSeparator,
              {u"Make template from this URL", MainCommand::MakeTemplate}});
}

QMenu* MainMenus::dropDown(QWidget& owner, std::initializer_list<Item> items) {
    auto* menu = new QMenu(&owner);
    menu->setObjectName(names_.forKind(u"PopupMenu"_s));
    menus_.push_back(menu);
    addItems(menu, items);
    return menu;
}

void MainMenus::buildToolBar(QWidget& parent) {
    toolBar_ = new QToolBar(&parent);
    toolBar_->setObjectName(u"ToolBar1"_s);
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(Artwork::kImageSize, Artwork::kImageSize));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setFixedHeight(kToolBarHeight);

    addToolButton(u"Parse HTML"_s, u"Load a file"_s, ArtImage::LoadFile,
                  dropDown(*toolBar_, {{u"Parse HTML...", MainCommand::ParseHtml, nullptr,
                                        ArtImage::ParseHtml},
                                       {u"Load Harvex links list...", MainCommand::OpenList,
                                        nullptr, ArtImage::OpenList, "LoadHarvexlinkslist1"}}));
    addToolButton(u"Save links"_s, u"Save links"_s, ArtImage::SaveLinks,
                  dropDown(*toolBar_, {{u"Save links...", MainCommand::SaveLinks}}));

    auto* separator = new QFrame(toolBar_);
    separator->setObjectName(names_.forKind(u"ToolButton"_s));
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedWidth(8);
    toolBar_->addWidget(separator);

    QToolButton* sequence = addToolButton(u"Add a sequence of files"_s,
                                          u"Add a sequence of links"_s, ArtImage::Sequence);
    connect(sequence, &QToolButton::clicked, this,
            [this] { emit triggered(MainCommand::AddSequence); });
}

QToolButton* MainMenus::addToolButton(const QString& text, const QString& tip, ArtImage image,
                                      QMenu* menu) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(names_.forKind(u"ToolButton"_s));
    button->setText(text);
    button->setToolTip(tip);
    button->setIcon(Artwork::icon(image));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (menu) {
        // A click anywhere on the button drops its menu down; the menu's items do the work.
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
    }
    toolBar_->addWidget(button);
    return button;
}

} // namespace harvex2::ui
