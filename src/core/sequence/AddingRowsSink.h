#pragma once

#include "core/handoff/AddingRows.h"
#include "core/sequence/SequenceSink.h"

#include <string>

namespace harvex2::core {

// Makes one Adding window row per URL: waiting, with its download path (a single blank
// without a download directory) and "0" for Index from Main, as no list entry stands
// behind it.
class AddingRowsSink : public SequenceSink {
public:
    AddingRowsSink(AddingRows& rows, std::string downloadDir)
        : rows_(rows), downloadDir_(std::move(downloadDir)) {}

    void append(std::string_view url) override;

private:
    AddingRows& rows_;
    std::string downloadDir_;
};

} // namespace harvex2::core
