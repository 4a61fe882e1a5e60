#include "core/update/TDirectUpdate.h"

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

TDirectUpdate::TDirectUpdate(platform::RegistryStore& machineStore, platform::Shell& shell,
                             platform::Prompts& prompts)
    : store_(machineStore), shell_(shell), prompts_(prompts) {
    CheckInstallation();
}

void TDirectUpdate::CheckInstallation() {
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

bool TDirectUpdate::readRecord() {
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
    exec_ = path_;
    if (exec_.back() != DirectoryPath::kSeparator) {
        exec_ += DirectoryPath::kSeparator;
    }
    exec_ += exeName_;
    return isFile(exec_);
}

void TDirectUpdate::forgetRecord() {
    path_.clear();
    exeName_.clear();
    exec_.clear();
    version_.clear();
    dataFormatVersion_.clear();
    installDate_ = 0;
    lastSelfCheck_ = 0;
}

bool TDirectUpdate::checkedInstalled() {
    CheckInstallation();
    return installed_ && !exec_.empty();
}

// The paths go to the engine as words of their own, whatever characters they hold; only the
// parameters are a line to cut, and one a shell would refuse starts nothing.
void TDirectUpdate::Launch() {
    if (!checkedInstalled()) {
        return;
    }
    const auto params = platform::CommandWords::split(execParams_);
    if (!params) {
        return;
    }
    std::vector<std::string> words{exec_};
    if (!dufFilename_.empty() && isFile(dufFilename_)) {
        words.push_back(dufFilename_);
    }
    words.insert(words.end(), params->begin(), params->end());
    shell_.startProgram(words);
}

void TDirectUpdate::UpdateEngine() {
    if (checkedInstalled()) {
        shell_.startProgram({exec_, "/UF"});
    }
}

void TDirectUpdate::OpenHomePage() {
    openPage(ProjectSite::directUpdate(), "Please go to : \r\n");
}

void TDirectUpdate::OpenDownloadPage() {
    openPage(ProjectSite::directUpdateDownload(), "Please download : \r\n");
}

void TDirectUpdate::openPage(const std::string& address, const std::string& lead) {
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
