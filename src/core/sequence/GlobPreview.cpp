#include "core/sequence/GlobPreview.h"

#include "core/sequence/GlobError.h"
#include "core/sequence/GlobTemplate.h"

namespace harvex2::core {

GlobPreview GlobPreview::of(std::string_view text) {
    GlobPreview preview;
    try {
        const GlobTemplate glob = GlobTemplate::parse(text);
        preview.count = glob.count();
        glob.urlAt(0, preview.first);
        glob.urlAt(glob.count() - 1, preview.last);
    } catch (const GlobError& error) {
        preview.problem = error.what();
    }
    return preview;
}

std::string GlobPreview::groupedDigits(std::uint64_t number) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return digits;
}

} // namespace harvex2::core
