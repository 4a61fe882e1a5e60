#pragma once

#include <string>

namespace harvex2::ui {

// The window that makes a bracket template from a sample URL and lets the user widen it:
// the Add Sequential Files dialog, made after the main window.
class TemplateOpener {
public:
    virtual ~TemplateOpener() = default;
    // Shows the template of `url` and waits until the window closes.
    virtual void openWithTemplateOf(const std::string& url) = 0;
};

} // namespace harvex2::ui
