#pragma once

#include "core/listfiles/SaveChoice.h"

#include <optional>
#include <string>
#include <string_view>

namespace harvex2::core {

// One link of a list for a download manager, as the manager reads it back.
class ManagerListLine {
public:
    struct Link {
        std::string_view url;
        std::string_view name; // relative path; empty: the manager names the file
        std::string_view dir;
        std::string_view referrer;
        bool checked = false;
    };

    // True for the forms written by append().
    static bool isManagerForm(SaveFormat format);
    // Appends the link in `format`; nothing, and why not, when the form cannot hold it.
    static std::optional<std::string> append(std::string& out, SaveFormat format, const Link& link);

    // A string as curl's config file reads one between double quotes.
    static void appendCurlQuoted(std::string& out, std::string_view text);
    // A JSON string; the text must be UTF-8.
    static void appendJsonString(std::string& out, std::string_view text);

private:
    static std::optional<std::string> appendAria2(std::string& out, const Link& link);
    static void appendCurl(std::string& out, const Link& link);
    static std::optional<std::string> appendJson(std::string& out, const Link& link);
};

} // namespace harvex2::core
