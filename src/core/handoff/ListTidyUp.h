#pragma once

#include "core/handoff/AddingRows.h"
#include "core/shell/LinkList.h"
#include "platform/Prompts.h"

#include <cstdint>

namespace harvex2::core {

// Removes from the link list what a run of the Adding window handed over, by the TidyUp
// setting: 1 the added links, 2 the added and the refused ones, any other value nothing.
class ListTidyUp {
public:
    static void apply(LinkList& links, const AddingRows& rows, std::int32_t tidyUp,
                      platform::Prompts& prompts);
};

} // namespace harvex2::core
