#include "core/extract/DroppedFiles.h"

#include "core/extract/DroppedLinks.h"

#include <utility>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(DroppedFiles, OneFileGoesWhereItsExtensionSays) {
    const std::pair<const char*, DropRoute> cases[] = {
        {"/p/page.htm", DropRoute::ParseHtml},
        {"/p/PAGE.HTML", DropRoute::ParseHtml},
        {"/p/page.shtml", DropRoute::ParseHtml},
        {"/p/Page.Asp", DropRoute::ParseHtml},
        {"/p/page.aspx", DropRoute::ParseHtml},
        {"/p/page.xhtml", DropRoute::ParseHtml},
        {"/p/list.nva", DropRoute::OpenLinkList},
        {"/p/LIST.NVA", DropRoute::OpenLinkList},
        {"/p/list.nva.txt", DropRoute::CannotHandle},
        {"/p/list.nvax", DropRoute::CannotHandle},
        {"/p/notes.txt", DropRoute::CannotHandle},
        {"/p/README", DropRoute::CannotHandle},
        // Only the file's own name has an extension.
        {"/p/site.html/README", DropRoute::CannotHandle},
        {"/p/lists.nva/notes", DropRoute::CannotHandle},
        {"/p/.htm", DropRoute::ParseHtml},
        // A relative name has no folder before it.
        {"page.htm", DropRoute::ParseHtml},
        {"list.nva", DropRoute::OpenLinkList},
    };
    for (const auto& [path, route] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(DroppedFiles::route({path}), route);
    }
}

TEST(DroppedFiles, SeveralFilesOfAnyKindAreParsedTogether) {
    EXPECT_EQ(DroppedFiles::route({"/a.nva", "/b.nva"}), DropRoute::ParseMany);
    EXPECT_EQ(DroppedFiles::route({"/a.txt", "/b"}), DropRoute::ParseMany);
    EXPECT_EQ(DroppedFiles::route({}), DropRoute::Nothing);
}

TEST(DroppedLinks, OnlyWebAndFtpAddressesCount) {
    const std::pair<const char*, bool> cases[] = {
        {"http://host/a", true}, {"HTTPS://host/a", true}, {"ftp://host/f", true},
        {"https:/host", false},  {"mailto:a@b", false},    {"file:///etc/passwd", false},
        {"javascript:x", false}, {"ftps://host", false},   {"", false},
    };
    for (const auto& [link, web] : cases) {
        SCOPED_TRACE(link);
        EXPECT_EQ(DroppedLinks::isWebLink(link), web);
    }
}

} // namespace
} // namespace harvex2::core
