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
class UpdateEngine {
public:
    // Whole days since 30 December 1899, the day count the engine records its days in.
    using DateTime = double;

    static constexpr const char* kRecordKey = "\\Software\\Idyle Software\\DirectUpdate\\Distrib";
    static constexpr const char* kComponentVersion = "1.00";

    // Reads the installation record at once.
    UpdateEngine(platform::RegistryStore& machineStore, platform::Shell& shell,
                 platform::Prompts& prompts);

    std::string componentVersion() const { return kComponentVersion; }
    bool installed() const { return installed_; }
    // The engine's program file.
    const std::string& programFile() const { return programFile_; }
    const std::string& version() const { return version_; }
    const std::string& dataFormatVersion() const { return dataFormatVersion_; }
    DateTime installDate() const { return installDate_; }
    DateTime lastSelfCheck() const { return lastSelfCheck_; }
    // Further arguments for launch(), written as a shell line: -silent 'two words'.
    const std::string& launchParameters() const { return launchParameters_; }
    void setLaunchParameters(std::string params) { launchParameters_ = std::move(params); }
    // The update descriptor launch() hands the engine when the file exists.
    const std::string& descriptorFile() const { return descriptorFile_; }
    void setDescriptorFile(std::string path) { descriptorFile_ = std::move(path); }

    // Reads the record again and sets every property the record decides. Anything short of
    // a complete record naming an existing program file reads as not installed.
    void checkInstallation();
    // Open the engine's web page or its installer archive; when the desktop cannot, a box
    // gives the address so the user can type it.
    void openHomePage();
    void openDownloadPage();
    // Start the engine without waiting: on the descriptor, or in self-update mode. Both
    // check the installation first and start nothing when the engine is gone.
    void launch();
    void updateItself();

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
    std::string programFile_;
    std::string version_;
    std::string dataFormatVersion_;
    DateTime installDate_ = 0;
    DateTime lastSelfCheck_ = 0;
    std::string launchParameters_;
    std::string descriptorFile_;
};

} // namespace harvex2::core
