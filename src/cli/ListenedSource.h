#pragma once

#include "core/extract/ByteSource.h"

namespace harvex2::cli {

class LinkWriter;

// A source that ends as soon as nobody takes the links any more: before each piece it
// hands the links found so far to the reader, so a reader that wants only the first few
// gets them early and the rest of the input is never read.
class ListenedSource final : public core::ByteSource {
public:
    ListenedSource(core::ByteSource& source, LinkWriter& writer)
        : source_(source), writer_(writer) {}

    std::size_t read(char* buffer, std::size_t capacity) override;

private:
    core::ByteSource& source_;
    LinkWriter& writer_;
};

} // namespace harvex2::cli
