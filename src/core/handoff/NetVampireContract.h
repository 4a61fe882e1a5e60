#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harvex2::platform {
class RegistryStore;
}

namespace harvex2::core {

// Where Net Vampire lives on this machine: the program to start and the data folder whose
// job files it picks up. Both are file-system paths with the platform's separator; the
// data folder ends with it.
struct NetVampireLocation {
    std::string executable;
    std::string dataFolder;
};

// Everything this program relies on from Net Vampire, which is a separate program: where
// its location is recorded, how its executable and data folder follow from that record,
// its DDE service, its job counter and the names of its job files, sections and keys.
class NetVampireContract {
public:
#ifdef _WIN32
    static constexpr char kSeparator = '\\';
#else
    static constexpr char kSeparator = '/';
#endif

    // Local-machine hive. Store key paths keep "\": they are not file paths.
    static constexpr std::string_view kLocationKey =
        "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Vampire.exe";
    static constexpr std::string_view kLocationValue = "Path";
    // Used when nothing is recorded; the job-file channel only runs once Net Vampire is found.
#ifdef _WIN32
    static constexpr std::string_view kDefaultFolder = "c:\\program files\\net vampire\\";
#else
    static constexpr std::string_view kDefaultFolder = "c:/program files/net vampire/";
#endif
    static constexpr std::string_view kExecutableName = "vampire.exe";
    static constexpr std::string_view kDataFolderName = "Data";

    static constexpr std::string_view kDdeService = "VAMPIRE";
    static constexpr std::string_view kDdeTopic = "WWW_OpenURL";

    // Current-user hive: the next job number to try.
    static constexpr std::string_view kCounterKey = "\\Software\\Net Vampire\\System";
    static constexpr std::string_view kCounterValue = "NextID_NVMan";

    static constexpr std::string_view kSettingsSection = "SETTINGS";
    static constexpr std::string_view kLocationsSection = "LOCATIONS";
    static constexpr std::string_view kStateSection = "STATE";
    static constexpr std::string_view kLocationKeyName = "LocID";

    // Each job is a file of each kind in the kind's sub-folder of the data folder:
    // 0 "Jobs" (*.nvj, a job exists when it does), 1 "Partial" (*.nvp, downloaded data),
    // 2 "Sites" (*.nvs), 3 "State" (*.nvc).
    static constexpr int kJobKinds = 4;
    static std::string jobFolder(const std::string& dataFolder, int kind);
    static std::string jobFile(const std::string& dataFolder, int kind, const std::string& job);

    // The recorded location; empty when the key or the value is missing or not a text.
    static std::string recordedLocation(platform::RegistryStore& machineStore);
    // Records a location the user picked, creating the key when needed.
    static void recordLocation(platform::RegistryStore& machineStore, const std::string& path);

    // The recorded value names either the executable itself or the folder holding
    // "vampire.exe"; the data folder is "Data" beside the executable. Anything else
    // (empty, missing, a folder without the executable) is not Net Vampire.
    static std::optional<NetVampireLocation> locate(const std::string& recorded);

    // The job-file component's folder at creation: the data folder of the recorded value by
    // the same rule, without requiring the executable; the default folder when blank.
    static std::string dataFolderFor(const std::string& recorded);

    // `folder` followed by `name`, with one separator between them.
    static std::string join(std::string_view folder, std::string_view name);
    static bool isSeparator(char c) {
        return c == '/' || c == '\\';
    }
};

} // namespace harvex2::core
