#pragma once

#include "core/extract/BlockFinder.h"
#include "core/extract/ByteSource.h"
#include "core/extract/FoundLinks.h"
#include "core/extract/HtmlBytes.h"
#include "core/extract/IgnoreSwitches.h"
#include "core/extract/ReadBuffer.h"
#include "core/extract/ScanStats.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::core {

// Finds the links of an HTML source by the program's character rules: after a "<", the
// first "h" or "H" of the tag must be followed by "re" (either case), and then the next
// double-quoted text is the link, wherever it stands. It is not an HTML parser; which
// links it finds and which it misses follow from these rules alone.
//
// The input ends at the end of the source or at the first byte 26, whichever comes first.
// The source is read a large piece at a time; the document is never held whole.
class LinkScanner {
public:
    // Receives each kept link exactly as written. The text is only valid during the call.
    using Destination = FoundLinks::Destination;

    static constexpr std::size_t kBufferSize = 256 * 1024;

    LinkScanner(const IgnoreSwitches& switches, Destination destination,
                ScanStats* stats = nullptr);

    // Scans one source from its beginning, with nothing carried over from an earlier scan.
    ScanCounters scan(ByteSource& source);

private:
    enum class Step { FindTag, FindH, ExpectR, ExpectE, FindQuote, ReadValue };

    // The bytes each step looks for.
    struct Finders {
        BlockFinder<html::LessThan> lessThan;
        BlockFinder<html::HOrTagEnd> hOrTagEnd;
        BlockFinder<html::DoubleQuote> quote;
    };

    void scanPiece(const char* begin, const char* end);
    const char* runCycle(Step from, const char* p, const char* end);
    const char* runWholeCycles(const char* p, const char* end);
    // Records where a cycle cut by the end of a piece goes on in the next one.
    const char* cutAt(Step step, const char* end);
    const char* readValue(const char* p, const char* end);
    void takeValue(std::string_view value, std::int64_t consumed);
    bool isIgnored(std::string_view value) const;

    const IgnoreSwitches& switches_;
    FoundLinks found_;
    ReadBuffer buffer_;

    // State of the running scan.
    Step step_ = Step::FindTag;
    std::string value_; // the part of a value read in earlier pieces
    Finders finders_;
    const char* pieceBegin_ = nullptr;
    std::int64_t pieceStart_ = 0; // characters consumed before the current piece
};

} // namespace harvex2::core
