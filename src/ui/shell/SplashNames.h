#pragma once

namespace harvex2::ui {

// The object names of the start-up window and its controls, by role: the program's known
// names. The window gives them and tests find the controls by them.
struct SplashNames {
    static constexpr const char* kWindow = "TForm9";
    static constexpr const char* kPicture = "Image1";
    static constexpr const char* kVersion = "Label1";
    static constexpr const char* kNotice = "Label2";
    static constexpr const char* kFormsHeading = "Label3";
    static constexpr const char* kFirstFormList = "Label4";
    static constexpr const char* kSecondFormList = "Label5";
};

} // namespace harvex2::ui
