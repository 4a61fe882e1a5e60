// The full link reader against an HTML5 parser (gumbo): on any UTF-8 input both must find
// the same `href` values, compared as the parser's input stream maps them, except for the
// differences kept on purpose. Whole and in pieces the reader must agree with itself.
#include "GumboHrefs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void dump(const char* side, const std::vector<std::string>& values) {
    std::fprintf(stderr, "%s:", side);
    for (const std::string& value : values) {
        std::fprintf(stderr, " [%s]", value.c_str());
    }
    std::fprintf(stderr, "\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace harvex2::fuzz;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (!isUtf8(input)) {
        return 0;
    }
    const std::vector<std::string> whole = readerHrefs(input, SIZE_MAX);
    if (readerHrefs(input, 1 + size % 13) != whole) {
        std::abort();
    }
    const std::vector<std::string> reader = comparable(whole);
    const std::vector<std::string> parser = comparable(gumboHrefs(input));
    if (reader != parser && !keptDifference(input, reader, parser)) {
        dump("reader", reader);
        dump("parser", parser);
        std::abort();
    }
    return 0;
}
