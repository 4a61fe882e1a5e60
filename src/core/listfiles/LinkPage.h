#pragma once

#include "core/listfiles/SaveChoice.h"

#include <string>
#include <string_view>

namespace harvex2::core {

// The lines of the HTML page form, each ended by a carriage return and a line feed.
class LinkPage {
public:
    static std::string head(const PageFooter& footer);
    // A list item linking to `link` and showing it. Links come from pages of anyone's
    // making, so "&", "<", ">" and the double quote are written as entities: a harvested
    // link cannot put markup or script into the page. Other links are written as they are.
    // A javascript:, vbscript: or data: link is shown as text only: clicked, it would run
    // a stranger's code with the page's rights.
    static void appendItem(std::string& out, std::string_view link);
    static std::string tail(const PageFooter& footer);
    static void appendEscaped(std::string& out, std::string_view text);

private:
    static bool runsCode(std::string_view link);
};

} // namespace harvex2::core
