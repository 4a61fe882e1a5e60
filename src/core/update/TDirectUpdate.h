#pragma once

#include <string>

namespace harvex2::platform {
class Prompts;
class RegistryStore;
class Shell;
} // namespace harvex2::platform

namespace harvex2::core {

// Finds the separate update engine through the installation record it keeps in the
// machine-wide settings store, and starts it: on the program's update descriptor, or in
// its self-update mode. The record is only read, never written. The engine's own work,
// and whether it started at all, are no concern of the program.
class TDirectUpdate {
public:
    // Whole days since 30 December 1899, the day count the engine records its days in.
    using DateTime = double;

    static constexpr const char* kRecordKey = "\\Software\\Idyle Software\\DirectUpdate\\Distrib";
    static constexpr const char* kCmpVersion = "1.00";

    // Reads the installation record at once.
    TDirectUpdate(platform::RegistryStore& machineStore, platform::Shell& shell,
                  platform::Prompts& prompts);

    std::string cmpVersion() const { return kCmpVersion; }
    bool installed() const { return installed_; }
    // The engine's program file.
    const std::string& exec() const { return exec_; }
    const std::string& version() const { return version_; }
    const std::string& dataFormatVersion() const { return dataFormatVersion_; }
    DateTime installDate() const { return installDate_; }
    DateTime lastSelfCheck() const { return lastSelfCheck_; }
    // Further arguments for Launch, written as a shell line: -silent 'two words'.
    const std::string& execParams() const { return execParams_; }
    void setExecParams(std::string params) { execParams_ = std::move(params); }
    // The update descriptor Launch hands the engine when the file exists.
    const std::string& dufFilename() const { return dufFilename_; }
    void setDufFilename(std::string path) { dufFilename_ = std::move(path); }

    // Reads the record again and sets every property the record decides. Anything short of
    // a complete record naming an existing program file reads as not installed.
    void CheckInstallation();
    // Open the engine's web page or its installer archive; when the desktop cannot, a box
    // gives the address so the user can type it.
    void OpenHomePage();
    void OpenDownloadPage();
    // Start the engine without waiting: on the descriptor, or in self-update mode. Both
    // check the installation first and start nothing when the engine is gone.
    void Launch();
    void UpdateEngine();

private:
    bool readRecord();
    void forgetRecord();
    bool checkedInstalled();
    void openPage(const std::string& address, const std::string& lead);

    platform::RegistryStore& store_;
    platform::Shell& shell_;
    platform::Prompts& prompts_;

    bool installed_ = false;
    std::string path_;
    std::string exeName_;
    std::string exec_;
    std::string version_;
    std::string dataFormatVersion_;
    DateTime installDate_ = 0;
    DateTime lastSelfCheck_ = 0;
    std::string execParams_;
    std::string dufFilename_;
};

} // namespace harvex2::core
