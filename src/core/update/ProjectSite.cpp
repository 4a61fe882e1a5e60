#include "core/update/ProjectSite.h"

namespace harvex2::core {

std::string ProjectSite::home() {
    return "https://quillfern.github.io/harvex2/";
}

std::string ProjectSite::contact() {
    return home() + "contact/";
}

std::string ProjectSite::netVampire() {
    return home() + "netvampire/";
}

std::string ProjectSite::reGet() {
    return home() + "reget/";
}

std::string ProjectSite::directUpdate() {
    return home() + "directupdate/";
}

std::string ProjectSite::directUpdateDownload() {
    return directUpdate() + "directupdate-setup.tar.gz";
}

} // namespace harvex2::core
