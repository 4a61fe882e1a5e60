#pragma once

#include "platform/RegistryStore.h"

#include <string_view>

namespace harvex2::platform {

// Fixed texts of the registry editor's export format shared by the reader and the writer.
struct RegFormat {
    static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
    // The older, single-byte edition of the format; still read.
    static constexpr std::string_view kLegacyHeader = "REGEDIT4";
    static constexpr std::string_view kDword = "dword:";
    static constexpr std::string_view kHexBytes = "hex:";
    static constexpr std::string_view kHexText = "hex(1):";
    static constexpr std::string_view kHexExpandText = "hex(2):";

    static constexpr std::string_view rootName(Hive hive) {
        return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    }
};

} // namespace harvex2::platform
