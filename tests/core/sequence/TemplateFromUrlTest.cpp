#include "core/sequence/TemplateFromUrl.h"

#include "core/sequence/GlobTemplate.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(TemplateFromUrl, EachRunOfDigitsIsAGroupOfItsWidth) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"http://h/img042.jpg", "http://h/img[042-042].jpg"},
        {"http://h:80/a7/b", "http://h:[80-80]/a[7-7]/b"},
        {"http://[::1]:8/x", "http://[::1]:[8-8]/x"},
        {"http://h/{a}[b]\\9", "http://h/\\{a\\}\\[b\\]\\9"},
        {"http://h/12345678901234567890", "http://h/12345678901234567890"},
    };
    for (const auto& [url, glob] : cases) {
        EXPECT_EQ(TemplateFromUrl::make(url), glob) << url;
        // The template stands for the URL it was made from, and nothing else.
        const GlobTemplate parsed = GlobTemplate::parse(glob);
        std::string first;
        parsed.urlAt(0, first);
        EXPECT_EQ(parsed.count(), 1u);
        EXPECT_EQ(first, url);
    }
}

} // namespace
} // namespace harvex2::core
