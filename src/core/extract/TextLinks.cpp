#include "core/extract/TextLinks.h"

#include "core/extract/TextLanes.h"
#include "core/extract/TextLinkWalk.h"

#include <cstring>
#include <vector>

namespace harvex2::core {

namespace {

// Hands each link found on, `http://` put in front of a `www.` host. Kept out of the
// search loop, which it would only make longer.
class Handout {
public:
    Handout(const TextLinks::Destination& destination, std::string& withScheme)
        : destination_(destination), withScheme_(withScheme) {}

    [[gnu::noinline]] void operator()(std::string_view link, bool host) const {
        if (!host) {
            destination_(link);
            return;
        }
        // The scheme stays in place from one host to the next; only the host is copied.
        constexpr std::string_view kScheme = "http://";
        if (withScheme_.size() < kScheme.size() + link.size()) {
            withScheme_.resize(kScheme.size() + link.size());
        }
        kScheme.copy(withScheme_.data(), kScheme.size());
        link.copy(withScheme_.data() + kScheme.size(), link.size());
        destination_(std::string_view(withScheme_).substr(0, kScheme.size() + link.size()));
    }

private:
    const TextLinks::Destination& destination_;
    std::string& withScheme_;
};

// The search loop is compiled whole for each way of testing bytes, so that no test of a
// block is a call.
#if defined(__SSE2__)
[[gnu::target("avx2"), gnu::flatten]] std::size_t walkWide(std::string_view text,
                                                           const Handout& handout) {
    return TextLinkWalk<text::WideLanes, Handout>(text, handout).run();
}

[[gnu::flatten]] std::size_t walkNarrow(std::string_view text, const Handout& handout) {
    return TextLinkWalk<text::NarrowLanes, Handout>(text, handout).run();
}

const bool kWide = __builtin_cpu_supports("avx2");
#endif

} // namespace

TextLinks::TextLinks(Destination destination) : destination_(std::move(destination)) {}

std::size_t TextLinks::find(std::string_view text) {
    const Handout handout(destination_, withScheme_);
#if defined(__SSE2__)
    return kWide ? walkWide(text, handout) : walkNarrow(text, handout);
#else
    return TextLinkWalk<text::ByteLanes, Handout>(text, handout).run();
#endif
}

std::size_t TextLinks::scan(ByteSource& source) {
    std::vector<char> buffer(1 << 20);
    std::size_t filled = 0;
    std::size_t found = 0;
    for (;;) {
        if (filled == buffer.size()) {
            buffer.resize(buffer.size() * 2);
        }
        const std::size_t got = source.read(buffer.data() + filled, buffer.size() - filled);
        filled += got;
        const std::string_view text(buffer.data(), filled);
        if (got == 0) {
            return found + find(text);
        }
        // A link never spans an ASCII stop byte, and what comes before a link is only
        // looked at back to one: the text up to the last one is read whole. The bytes kept
        // from before hold none.
        std::size_t cut = filled;
        while (cut > filled - got && !text::is(text[cut - 1], text::kStop)) {
            --cut;
        }
        if (cut > filled - got) {
            found += find(text.substr(0, cut));
            std::memmove(buffer.data(), buffer.data() + cut, filled - cut);
            filled -= cut;
        }
    }
}

} // namespace harvex2::core
