#pragma once

#include "platform/RegistryStore.h"

#include <algorithm>
#include <cstddef>
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

    // Where the next character that a quoted string escapes ("\" or '"') stands at or after
    // `from`, else text.size(). A plain search: find_first_of would search the set anew for
    // every character of what may be megabytes of text.
    static constexpr std::size_t nextEscaped(std::string_view text, std::size_t from) {
        return static_cast<std::size_t>(
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                         [](char c) { return c == '\\' || c == '"'; }) -
            text.begin());
    }

    static constexpr std::string_view rootName(Hive hive) {
        return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    }
};

} // namespace harvex2::platform
