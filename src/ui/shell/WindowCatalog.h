#pragma once

#include <map>
#include <memory>
#include <span>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The long-lived windows that the program creates once at start-up, after the main window.
enum class WindowSlot {
    BaseUrlPrompt,    // Enter base URL prompt
    ParseHtml,        // Parse HTML file dialog
    Adding,           // Adding window
    Sequential,       // Add Sequential Files dialog
    SelectSpecial,    // Select Special dialog
    Options,          // Options dialog
    BrowseDir,        // Browse for directory dialog
    Connecting,       // Please-wait window
    MultipleSetup,    // Parse Multiple Files setup dialog
    MultipleProgress, // Parsing Multiple Files progress window
    SettingsList,     // Select settings to load dialog
    SaveProfile,      // Save Sequential profile dialog
};

// Where the splash window lists a window while it is being created.
enum class SplashLine {
    None,   // created together with the window before it
    First,  // appended to the first form list
    Second, // the second form list: the first such window replaces "<More Forms>"
};

// Makes one window. It receives the services of the main window, which exists already,
// and returns the window hidden; the catalog owns it until the program ends.
using WindowFactory = std::unique_ptr<QWidget> (*)(AppServices& services);

struct WindowEntry {
    WindowSlot slot;
    const char* splashWord; // shown on the splash window, trailing blank included
    SplashLine line;
    WindowFactory factory; // nullptr: the window is not part of the program yet
};

// The program's windows in creation order and, once created, each window by its slot so
// that the main window's commands can open it.
class WindowCatalog {
public:
    // The program's own table: a window joins the program by naming its factory there.
    static std::span<const WindowEntry> programWindows();

    explicit WindowCatalog(std::span<const WindowEntry> entries = programWindows());
    ~WindowCatalog();

    std::span<const WindowEntry> entries() const { return entries_; }
    void create(const WindowEntry& entry, AppServices& services);
    // The created window of a slot, or nullptr.
    QWidget* window(WindowSlot slot) const;

private:
    std::span<const WindowEntry> entries_;
    std::map<WindowSlot, std::unique_ptr<QWidget>> windows_;
};

} // namespace harvex2::ui
