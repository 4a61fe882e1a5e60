#include "core/update/UpdateEngine.h"

#include "core/sequence/DirectoryPath.h"
#include "core/update/ProjectSite.h"
#include "platform/CommandWords.h"
#include "platform/KeyHandle.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"
#include "platform/Shell.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace harvex2::core {

namespace {

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

UpdateEngine::UpdateEngine(platform::RegistryStore& machineStore, platform::Shell& shell,
                           platform::Prompts& prompts)
    : store_(machineStore), shell_(shell), prompts_(prompts) {
    checkInstallation();
}

void UpdateEngine::checkInstallation() {
    // The store may be shared; whatever key was current has no say in where the record is.
    store_.closeKey();
    {
        platform::KeyHandle key(store_);
        installed_ = key.open(kRecordKey, false) && readRecord();
    }
    if (!installed_) {
        forgetRecord();
    }
}

bool UpdateEngine::readRecord() {
    try {
        exeName_ = store_.readString("ExeName");
        path_ = store_.readString("Path");
        version_ = store_.readString("Version");
        dataFormatVersion_ = store_.readString("DataVersion");
        lastSelfCheck_ = store_.readInteger("LastSelfCheck");
        installDate_ = store_.readInteger("FirstVersRun");
    } catch (const platform::RegistryError&) {
        return false;
    }
    if (path_.empty()) {
        return false;
    }
    programFile_ = path_;
    if (programFile_.back() != DirectoryPath::kSeparator) {
        programFile_ += DirectoryPath::kSeparator;
    }
    programFile_ += exeName_;
    return isFile(programFile_);
}

void UpdateEngine::forgetRecord() {
    path_.clear();
    exeName_.clear();
    programFile_.clear();
    version_.clear();
    dataFormatVersion_.clear();
    installDate_ = 0;
    lastSelfCheck_ = 0;
}

bool UpdateEngine::checkedInstalled() {
    checkInstallation();
    return installed_ && !programFile_.empty();
}

// The paths go to the engine as words of their own, whatever characters they hold; only the
// parameters are a line to cut, and one a shell would refuse starts nothing.
void UpdateEngine::launch() {
    if (!checkedInstalled()) {
        return;
    }
    const auto params = platform::CommandWords::split(launchParameters_);
    if (!params) {
        return;
    }
    std::vector<std::string> words{programFile_};
    if (!descriptorFile_.empty() && isFile(descriptorFile_)) {
        words.push_back(descriptorFile_);
    }
    words.insert(words.end(), params->begin(), params->end());
    shell_.startProgram(words);
}

void UpdateEngine::updateItself() {
    if (checkedInstalled()) {
        shell_.startProgram({programFile_, "/UF"});
    }
}

void UpdateEngine::openHomePage() {
    openPage(ProjectSite::directUpdate(), "Please go to : \r\n");
}

void UpdateEngine::openDownloadPage() {
    openPage(ProjectSite::directUpdateDownload(), "Please download : \r\n");
}

void UpdateEngine::openPage(const std::string& address, const std::string& lead) {
    if (shell_.open(address, platform::ShowMode::Normal)) {
        return;
    }
    // Only informs: the user copies the address whichever button is pressed.
    prompts_.message({platform::MessageIcon::None,
                      "Harvex2",
                      lead + address,
                      {platform::MessageButton::Ok, platform::MessageButton::Cancel}});
}

} // namespace harvex2::core
