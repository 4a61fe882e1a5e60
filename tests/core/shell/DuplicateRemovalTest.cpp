#include "core/shell/DuplicateRemoval.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(CanonicalLink, NamesOneFileOneWay) {
    const struct {
        const char* link;
        const char* canonical;
    } cases[] = {
        {"HTTP://Example.COM", "http://example.com/"},
        {"http://h:80/a", "http://h/a"},
        {"https://h:443/a", "https://h/a"},
        {"ftp://h:21/a", "ftp://h/a"},
        {"http://h:8080/a", "http://h:8080/a"},
        {"https://h:80/a", "https://h:80/a"},
        {"http://h:/a", "http://h/a"},
        {"http://h/page#a", "http://h/page"},
        {"http://h/a%2fb%7e%41?q=%3d", "http://h/a%2Fb~A?q=%3D"},
        {"http://h/a b\x01", "http://h/a%20b%01"},
        {"http://h/100%", "http://h/100%"},
        {"http://User@H/Path", "http://User@h/Path"},
        {"http://[::1]:80/", "http://[::1]/"},
        {"mailto:x@h", "mailto:x@h"},
        {"page.html#top", "page.html"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanonicalLink::of(c.link, {}), c.canonical) << c.link;
    }
}

TEST(CanonicalLink, ResolvesRelativeEntriesAndCanDropTracking) {
    EXPECT_EQ(CanonicalLink::of("/a.zip", {"http://H"}), "http://h/a.zip");
    EXPECT_EQ(CanonicalLink::of("http://h/a?utm_source=x&id=1&fbclid=2&GCLID=3&utm_=4", {"", true}),
              "http://h/a?id=1");
    EXPECT_EQ(CanonicalLink::of("http://h/a?utm_source=x", {"", true}), "http://h/a");
    EXPECT_EQ(CanonicalLink::of("http://h/a?utm_source=x", {}), "http://h/a?utm_source=x");
}

TEST(DuplicateRemoval, KeepsTheFirstCheckedIfAnyCopyWasInOneChange) {
    LinkList list;
    for (const char* text : {"http://h/page#a", "http://h/b", "HTTP://H/page#b", "page",
                             "http://h/b?utm_id=1", "http://h/page"}) {
        list.append(text);
    }
    list.setChecked(2, true);
    struct Resets final : LinkListObserver {
        void beginAppend(std::size_t, std::size_t) override {}
        void endAppend() override {}
        void beginRemove(std::size_t, std::size_t) override { ++notices; }
        void endRemove() override {}
        void checkedChanged(std::size_t, std::size_t) override { ++notices; }
        void beginReset() override { ++notices; }
        void endReset() override {}
        int notices = 0;
    } observer;
    list.setObserver(&observer);
    EXPECT_EQ(removeDuplicates(list, {"http://h/", true}), 4U);
    ASSERT_EQ(list.count(), 2U);
    EXPECT_EQ(list.textAt(0), "http://h/page#a");
    EXPECT_TRUE(list.checkedAt(0));
    EXPECT_EQ(list.textAt(1), "http://h/b");
    EXPECT_FALSE(list.checkedAt(1));
    EXPECT_EQ(observer.notices, 1);
    list.setObserver(nullptr);
}

} // namespace
} // namespace harvex2::core
