#pragma once

namespace harvex2::ui {

// The object names of the Select Special dialog and its controls, by role: the program's
// known names. The dialog gives them and tests find the controls by them.
struct EntrySelectionNames {
    static constexpr const char* kWindow = "TForm5";
    static constexpr const char* kDeselectGroup = "GroupBox1";
    static constexpr const char* kDeselectEverything = "RadioButton1";
    static constexpr const char* kDeselectNothing = "RadioButton2";
    static constexpr const char* kSelectGroup = "GroupBox2";
    static constexpr const char* kByExtension = "RadioButton3";
    static constexpr const char* kExtension = "ComboBox1";
    static constexpr const char* kByText = "RadioButton4";
    static constexpr const char* kText = "Edit1";
    static constexpr const char* kOk = "Button1";
    static constexpr const char* kCancel = "Button2";
};

} // namespace harvex2::ui
