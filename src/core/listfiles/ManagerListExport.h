#pragma once

#include "core/handoff/LinkNaming.h"
#include "core/listfiles/SaveChoice.h"

#include <cstddef>
#include <string>
#include <vector>

namespace harvex2::platform {
class ReplacingFile;
}

namespace harvex2::core {

class LinkList;

// Writes the entries the scope takes as a list a download manager reads (the aria2 input
// file, the wget list, the curl config, JSON Lines), each relative link joined to the Base
// URL, with the name the mask or an imported name gives it and its referrer. A link the
// form cannot hold is left out and told in refusals().
class ManagerListExport {
public:
    struct Options {
        SaveFormat format = SaveFormat::Aria2Input;
        SaveScope scope = SaveScope::All;
        std::string baseUrl;
        std::string dir;
        std::string mask;
        Referrer referrer{Referrer::Kind::None, {}};
        HandoffDate date;
    };

    ManagerListExport(const LinkList& links, Options options);

    void appendEntry(std::string& out, std::size_t index);
    // Throws platform::IoError.
    void write(platform::ReplacingFile& out);

    // One line per link left out, its number in the list from 1 and why.
    const std::vector<std::string>& refusals() const { return refusals_; }
    // What to tell the user of the links left out; empty when none was.
    std::string refusalMessage() const;

private:
    static std::size_t countTaken(const LinkList& links, SaveScope scope);

    const LinkList& links_;
    Options options_;
    LinkNaming naming_;
    std::vector<std::string> refusals_;
};

} // namespace harvex2::core
