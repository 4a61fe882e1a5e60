#pragma once

#include "core/listfiles/LinkListFileReader.h"
#include "core/listfiles/ListFileObserver.h"
#include "core/shell/SlicedRun.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

class LinkList;
class ListFileBoxes;

// Reads the entries of a link list file whose header has been read into the program, a
// reader's buffer of records per slice: each run is appended after the entries already in
// the list with its stored checked states, so a view follows a long file in a few hundred
// steps. What was appended before a failure stays.
class LinkListLoadRun final : public SlicedRun {
public:
    static constexpr std::size_t kRun = 4096;

    // Sets the two boxes from the header at once.
    LinkListLoadRun(std::unique_ptr<LinkListFileReader> reader,
                    const LinkListFileReader::Header& header, LinkList& links, ListFileBoxes& boxes,
                    ListFileObserver& observer);
    ~LinkListLoadRun() override;

    bool advance() override;
    void cancel() override { cancelled_ = true; }

private:
    void take(std::string_view records);

    std::unique_ptr<LinkListFileReader> reader_;
    LinkList& links_;
    ListFileObserver& observer_;
    std::vector<std::string_view> texts_;
    std::vector<bool> checked_;
    std::size_t appended_ = 0;
    bool cancelled_ = false;
};

} // namespace harvex2::core
