#pragma once

namespace harvex2::ui {

// The object names of the About box, its pages and their controls, by role: the program's
// known names. The box gives them and tests find the controls by them.
struct AboutNames {
    static constexpr const char* kWindow = "TAboutBox";
    static constexpr const char* kPages = "PageControl1";
    static constexpr const char* kOk = "OKButton";
    static constexpr const char* kSimulateNotInstalled = "btnDUNotInstalled";
    static constexpr const char* kSimulateInstalled = "btnDUInstalled";

    // About
    static constexpr const char* kAboutPage = "tabAbout";
    static constexpr const char* kProgramIcon = "ProgramIcon";
    static constexpr const char* kProductName = "ProductName";
    static constexpr const char* kVersion = "lblVersion";

    // Homepages
    static constexpr const char* kHomepagesPage = "tabHomepages";
    static constexpr const char* kNetVampireCaption = "lblNVHomepage";
    static constexpr const char* kNetVampireLink = "lnkNVHomepage";
    static constexpr const char* kReGetCaption = "lblRGHomepage";
    static constexpr const char* kReGetLink = "lnkRGHomepage";
    static constexpr const char* kNetVampireNote = "lblNVManager";

    // Credits
    static constexpr const char* kCreditsPage = "tabCredits";
    static constexpr const char* kThanks = "lblThanks";
    static constexpr const char* kLibrariesHeading = "lblLibraries";
    static constexpr const char* kLibraryList = "lblLibraryList";

    // Contact
    static constexpr const char* kContactPage = "tabContact";
    static constexpr const char* kMaker = "lblMaker";
    static constexpr const char* kWebCaption = "lblWeb";
    static constexpr const char* kWriteCaption = "lblWrite";
    static constexpr const char* kMakerLink = "lnkMakerHomepage";
    static constexpr const char* kContactLink = "lnkContact";
    static constexpr const char* kFreeNote = "lblFree";

    // DirectUpdate
    static constexpr const char* kUpdatePage = "tabDirectUpdate";
    static constexpr const char* kEngineAbout = "lblDUAbout";
    static constexpr const char* kEngineHomeLink = "lnkDUHomepage";
    static constexpr const char* kEngineGroup = "grpDUInfo";
    static constexpr const char* kComponentVersionCaption = "lblCmpVersionCaption";
    static constexpr const char* kComponentVersion = "lblCmpVersion";
    static constexpr const char* kEngineVersionCaption = "lblDUVersionCaption";
    static constexpr const char* kEngineVersion = "lblDUVersion";
    static constexpr const char* kEngineDownloadLink = "lnkDownloadDU";
    static constexpr const char* kUpdateEngine = "btnUpdateDU";
    static constexpr const char* kRefresh = "btnRefreshDU";
};

} // namespace harvex2::ui
