#pragma once

#include <array>

namespace harvex2::ui {

// The object names of the Options dialog, its pages and their controls, by role: the
// program's known names. The dialog gives them and tests find the controls by them.
struct OptionsNames {
    static constexpr const char* kWindow = "TForm7";
    static constexpr const char* kPages = "PageControl1";
    static constexpr const char* kOk = "Button1";
    static constexpr const char* kCancel = "Button2";
    static constexpr const char* kDeveloperMode = "Label3";

    // Parse Options
    static constexpr const char* kParsePage = "TabSheet1";
    static constexpr const char* kIgnoreGroup = "GroupBox1";
    static constexpr const char* kIgnoreMailTo = "CheckBox1";
    static constexpr const char* kIgnoreQuery = "CheckBox2";
    static constexpr const char* kIgnoreBookmarks = "CheckBox3";
    static constexpr const char* kRelativeGroup = "GroupBox2";
    static constexpr const char* kResolveRelative = "RadioButton1";
    static constexpr const char* kIgnoreRelative = "RadioButton2";
    static constexpr const char* kReadingGroup = "GroupBoxReading";
    static constexpr const char* kBrowserReading = "optReadAsBrowser";
    static constexpr const char* kQuickScan = "optQuickScan";
    static constexpr const char* kIgnoreScriptLinks = "chkScriptLinks";
    static constexpr const char* kMediaSources = "chkMediaSources";
    static constexpr const char* kResolveLinks = "chkResolveLinks";

    // Add Options
    static constexpr const char* kAddPage = "TabSheet2";
    static constexpr const char* kTidyGroup = "GroupBox4";
    static constexpr const char* kNoTidy = "optTidy1";
    static constexpr const char* kTidyAdded = "optTidy2";
    static constexpr const char* kTidyAll = "optTidy3";
    // Indexed by the stored TidyUp value.
    static constexpr std::array<const char*, 3> kTidyChoices{kNoTidy, kTidyAdded, kTidyAll};
    static constexpr const char* kNetVampireGroup = "GroupBox5";
    static constexpr const char* kUseCaption = "Label1";
    static constexpr const char* kJobFiles = "optJobFiles";
    static constexpr const char* kDde = "optDDE";
    static constexpr const char* kJobStateCaption = "Label2";
    static constexpr const char* kJobState = "ComboBox1";
    static constexpr const char* kRealiFast = "CheckBox4";
    static constexpr const char* kAria2Group = "GroupBoxAria2";
    static constexpr const char* kAria2Url = "txtAria2URL";
    static constexpr const char* kAria2Secret = "txtAria2Secret";
    static constexpr const char* kAria2Choice = "cboAria2Choice";
    static constexpr const char* kAria2EditEndpoints = "btnAria2Endpoints";
    static constexpr const char* kAria2ChoiceProblem = "lblAria2ChoiceProblem";
    // The endpoints dialog
    static constexpr const char* kAria2Endpoints = "Aria2Endpoints";
    static constexpr const char* kAria2Endpoint = "cboAria2Endpoint";
    static constexpr const char* kAria2AddEndpoint = "btnAria2AddEndpoint";
    static constexpr const char* kAria2RemoveEndpoint = "btnAria2RemoveEndpoint";
    static constexpr const char* kAria2Name = "txtAria2Name";
    static constexpr const char* kAria2Folder = "txtAria2Folder";
    static constexpr const char* kAria2CaFile = "txtAria2CaFile";
    static constexpr const char* kAria2PlainToken = "chkAria2PlainToken";
    static constexpr const char* kAria2Problem = "lblAria2Problem";
    static constexpr const char* kSkipSent = "chkSkipSent";
    static constexpr const char* kRoutesPreset = "cboRoutes";
    static constexpr const char* kFollowHours = "spnFollowHours";
    static constexpr const char* kCommandGroup = "GroupBoxCommand";
    static constexpr const char* kCommandTemplate = "cboCommandTemplate";
    static constexpr const char* kCommandProblem = "lblCommandProblem";
    static constexpr const char* kCommandJobs = "spnCommandJobs";
    static constexpr const char* kCommandTimeout = "spnCommandTimeout";

    // General
    static constexpr const char* kGeneralPage = "TabSheet3";
    static constexpr const char* kRemember = "CheckBox5";
    static constexpr const char* kCloseSequence = "CheckBox6";
};

} // namespace harvex2::ui
