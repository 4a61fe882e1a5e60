#pragma once

#include "core/extract/ByteSource.h"
#include "core/extract/FoundLinks.h"
#include "core/extract/HtmlTokenizer.h"
#include "core/extract/IgnoreSwitches.h"
#include "core/extract/PageAddress.h"
#include "core/extract/ReadBuffer.h"
#include "core/extract/ScanStats.h"

#include <string>
#include <string_view>

namespace harvex2::core {

// Reads the links of an HTML source as a browser reads them: the `href` of every tag,
// whatever its quotes, with character references decoded; nothing from comments or from
// the content of scripts, styles and the other elements read as text. With media sources
// on, also the addresses of images, video and audio. Finds the address the page names as
// its own on the way.
//
// One forward pass over the source, a large piece at a time; memory grows only with the
// value being read. Byte 26 is a byte like any other.
class LinkReader final : private TagSink {
public:
    // Receives each kept link, decoded. The text is only valid during the call.
    using Destination = FoundLinks::Destination;

    static constexpr std::size_t kBufferSize = 256 * 1024;

    LinkReader(const IgnoreSwitches& switches, bool mediaSources, Destination destination,
               ScanStats* stats = nullptr);

    // Reads one source from its beginning, with nothing carried over from an earlier one.
    ScanCounters scan(ByteSource& source);

    // The address the source last read names as its own; empty when it names none.
    std::string pageAddress() const { return address_.address(); }

private:
    void startTag(std::string_view name, std::span<const TagAttribute> attributes) override;
    void comment(std::string_view start) override;

    void take(std::string_view value);
    bool isIgnored(std::string_view value) const;

    const IgnoreSwitches& switches_;
    bool mediaSources_;
    FoundLinks found_;
    ReadBuffer buffer_;
    HtmlTokenizer tokenizer_{*this};
    PageAddress address_;
};

} // namespace harvex2::core
