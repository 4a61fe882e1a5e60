// Arbitrary bytes through the text link finder: no crash, nothing read outside the input
// (the sanitizers watch the exact-size buffer), every link a piece of the input, given
// `http://` in front only when it is a `www.` host, the same links however the input is
// cut into reads, and the same links as its search a byte at a time.
#include "core/extract/MemorySource.h"
#include "core/extract/TextLinkWalk.h"
#include "core/extract/TextLinks.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace harvex2;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool isWwwHost(std::string_view text) {
    return text.size() > 4 && (text[0] | 0x20) == 'w' && (text[1] | 0x20) == 'w' &&
           (text[2] | 0x20) == 'w' && text[3] == '.';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t pieceSize = 1 + data[0];
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> whole;
    core::TextLinks finder([&](std::string_view link) { whole.emplace_back(link); });
    check(finder.find(input) == whole.size());
    for (const std::string& link : whole) {
        const std::string_view found(link);
        const bool host = input.find(found) == std::string_view::npos;
        if (host) {
            check(found.starts_with("http://") && isWwwHost(found.substr(7)) &&
                  input.find(found.substr(7)) != std::string_view::npos);
        }
    }
    std::vector<std::string> bytewise;
    const auto take = [&](std::string_view link, bool host) {
        bytewise.push_back(host ? "http://" + std::string(link) : std::string(link));
    };
    core::TextLinkWalk<core::text::ByteLanes, decltype(take)>(input, take).run();
    check(bytewise == whole);
    std::vector<std::string> pieces;
    core::TextLinks reader([&](std::string_view link) { pieces.emplace_back(link); });
    core::MemorySource source(input, pieceSize);
    check(reader.scan(source) == pieces.size() && pieces == whole);
    return 0;
}
