#pragma once

#include "core/extract/IgnoreSwitches.h"
#include "core/extract/LinkFinder.h"
#include "core/extract/MultipleParseView.h"
#include "core/shell/LinkList.h"
#include "platform/Prompts.h"

#include <string>
#include <vector>

namespace harvex2::core {

// Parses several HTML files in one run and appends their links already resolved against a
// base URL: the page's own address when it names one, else the base field. A file's links
// reach the link list only once the whole file is read and resolved, so a file never
// leaves part of its links behind.
class MultipleParse {
public:
    MultipleParse(const ReadingChoice& choice, const IgnoreSwitches& switches, LinkList& links,
                  platform::Prompts& prompts, MultipleParseView& view);

    // Goes through `files` in order. A file that cannot be opened is reported and adds
    // nothing; from the second such box on, the user may skip the boxes left in the run; a
    // relative link without a base ends the whole run at that file. With EachFile, a file
    // that names its own address is not asked for a base. Returns whether every file was
    // processed.
    bool ParseMany(const std::vector<std::string>& files, BaseUrlMethod method);

private:
    bool parseFile(const std::string& path, BaseUrlMethod method);
    void reportOpenError(const std::string& path, int error);
    // Joins every relative link to the base; false when one needs a base and there is none.
    bool resolve(std::vector<std::string>& staging);

    ReadingChoice choice_;
    const IgnoreSwitches& switches_;
    LinkList& links_;
    platform::Prompts& prompts_;
    MultipleParseView& view_;
    std::size_t openErrorsShown_ = 0;
    bool skipOpenErrors_ = false;
};

} // namespace harvex2::core
