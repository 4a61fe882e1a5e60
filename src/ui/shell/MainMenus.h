#pragma once

#include "ui/shell/Artwork.h"
#include "ui/shell/ComponentNames.h"

#include <optional>
#include <vector>

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class QWidget;

namespace harvex2::ui {

// What a menu item, pop-up item or toolbar button of the main window asks for. Twins in
// different menus ask for the same command.
enum class MainCommand {
    ParseHtml,
    ParseMultiple,
    OpenList,
    SaveLinks,
    AddSequence,
    Options,
    Exit,
    SelectAll,
    DeselectAll,
    InvertSelection,
    SelectSpecial,
    Clear,
    RemoveSelected,
    CheckForNewVersion,
    Count,
    Readme,
    VersionHistory,
    About,
    MakeTemplate,
    PasteLinks,
    SelectByRules,
    RemoveDuplicates,
    IgnoreTracking, // the check item beside Remove Duplicates
    Undo,
};

// Builds the main window's menu bar, the pop-up menu of the link list (PopupMenu1) and the
// toolbar (ToolBar1) with its drop-down menus, and reports every choice as a command.
class MainMenus : public QObject {
    Q_OBJECT
public:
    struct Item {
        // A separator.
        constexpr Item() = default;
        constexpr Item(const char16_t* itemCaption, MainCommand itemCommand,
                       const char* itemShortcut = nullptr, std::optional<ArtImage> itemImage = {},
                       const char* itemFixedName = nullptr)
            : caption(itemCaption), command(itemCommand), shortcut(itemShortcut), image(itemImage),
              fixedName(itemFixedName) {}

        const char16_t* caption = nullptr;
        MainCommand command = MainCommand::Exit;
        const char* shortcut = nullptr;
        std::optional<ArtImage> image;
        const char* fixedName = nullptr; // a name other windows already know it by
    };

    static constexpr int kToolBarHeight = 24;

    MainMenus(QMenuBar& menuBar, QWidget& toolBarParent);

    QMenu* listPopup() const { return listPopup_; }
    QToolBar* toolBar() const { return toolBar_; }
    // Every menu it made, the pop-ups included: each reaches commands of its own.
    const std::vector<QMenu*>& menus() const { return menus_; }
    // Checked: Remove Duplicates also ignores tracking parameters.
    QAction* ignoreTracking() const { return ignoreTracking_; }

signals:
    void triggered(harvex2::ui::MainCommand command);

private:
    QMenu* named(QMenu* menu);
    void addItems(QMenu* menu, std::initializer_list<Item> items);
    QAction* addItem(QMenu* menu, const Item& item);
    void buildMenuBar(QMenuBar& menuBar);
    void buildListPopup(QWidget& owner);
    void buildToolBar(QWidget& parent);
    QMenu* dropDown(QWidget& owner, std::initializer_list<Item> items);
    QToolButton* addToolButton(const QString& caption, const QString& tip, ArtImage image,
                               QMenu* menu = nullptr);

    ComponentNames names_;
    std::vector<QMenu*> menus_;
    QMenu* listPopup_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* ignoreTracking_ = nullptr;
};

} // namespace harvex2::ui
