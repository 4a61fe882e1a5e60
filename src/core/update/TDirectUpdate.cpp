#include "core/update/TDirectUpdate.h"

#include "core/sequence/DirectoryPath.h"
#include "core/update/ProjectSite.h"
#include "platform/KeyHandle.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"
#include "platform/Shell.h"

#include <filesystem>
#include <system_error>

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

std::string TDirectUpdate::quotedExec() const {
    return '"' + exec_ + '"';
}

void TDirectUpdate::Launch() {
    if (!checkedInstalled()) {
        return;
    }
    std::string commandLine = quotedExec();
    if (!dufFilename_.empty() && isFile(dufFilename_)) {
        commandLine += " \"" + dufFilename_ + '"';
    }
    // The space stays when there are no parameters: the engine has always been given it.
    commandLine += ' ' + execParams_;
    shell_.startCommand(commandLine);
}

void TDirectUpdate::UpdateEngine() {
    if (checkedInstalled()) {
        shell_.startCommand(quotedExec() + " /UF");
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
