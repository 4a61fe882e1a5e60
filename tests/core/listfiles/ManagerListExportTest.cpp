#include "core/listfiles/ManagerListExport.h"

#include "core/listfiles/NamedLinks.h"
#include "core/shell/LinkList.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

std::string exported(const LinkList& links, ManagerListExport::Options options,
                     std::string* refused = nullptr) {
    ManagerListExport exporter(links, std::move(options));
    std::string bytes;
    for (std::size_t i = 0; i < links.count(); ++i) {
        exporter.appendEntry(bytes, i);
    }
    if (refused) {
        *refused = exporter.refusalMessage();
    }
    return bytes;
}

TEST(ManagerListExport, WritesEachFormAsItsManagerReadsIt) {
    LinkList links;
    NamedLinks::append(links, {"a/x.zip\tgiven name.zip", "http://h/q\"\\y.bin"});
    links.setChecked(1, true);
    const Referrer page{Referrer::Kind::Page, {}};
    struct Case {
        SaveFormat format;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {SaveFormat::Aria2Input, "http://b/a/x.zip\n out=given name.zip\n dir=/d\n"
                                 " referer=http://b/\n"
                                 "http://h/q\"\\y.bin\n out=2-q\"_y.bin\n dir=/d\n"
                                 " referer=http://b/\n"},
        {SaveFormat::WgetList, "http://b/a/x.zip\nhttp://h/q\"\\y.bin\n"},
        {SaveFormat::CurlConfig, "url = \"http://b/a/x.zip\"\noutput = \"/d/given name.zip\"\n"
                                 "create-dirs\nreferer = \"http://b/\"\nnext\n"
                                 "url = \"http://h/q\\\"\\\\y.bin\"\n"
                                 "output = \"/d/2-q\\\"_y.bin\"\ncreate-dirs\n"
                                 "referer = \"http://b/\"\n"},
        {SaveFormat::JsonLines,
         "{\"url\":\"http://b/a/x.zip\",\"name\":\"given name.zip\",\"dir\":\"/d\","
         "\"referer\":\"http://b/\",\"checked\":false}\n"
         "{\"url\":\"http://h/q\\\"\\\\y.bin\",\"name\":\"2-q\\\"_y.bin\",\"dir\":\"/d\","
         "\"referer\":\"http://b/\",\"checked\":true}\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            exported(links,
                     {c.format, SaveScope::All, "http://b/", "/d", "*num*-*name*.*ext*", page, {}}),
            c.bytes)
            << static_cast<int>(c.format);
    }
    // Without a name curl keeps the link's own, in the folder asked for.
    EXPECT_EQ(exported(links, {SaveFormat::CurlConfig, SaveScope::Selected, "", "/d", "", {}, {}}),
              "url = \"http://h/q\\\"\\\\y.bin\"\nremote-name\noutput-dir = \"/d\"\n");
}

TEST(ManagerListExport, LeavesOutWhatAFormCannotHoldAndSaysWhich) {
    LinkList links;
    links.appendAll({"http://h/tab\there", "http://h/line\nbreak", "http://h/\xFF", "http://h/ok"});
    struct Case {
        SaveFormat format;
        std::string bytes;
        std::string message;
    };
    const std::vector<Case> cases = {
        {SaveFormat::Aria2Input, "http://h/\xFF\nhttp://h/ok\n",
         "2 links were not written:\nlink 1: it holds a TAB or a line break\n"
         "link 2: it holds a TAB or a line break"},
        {SaveFormat::WgetList, "http://h/tab\there\nhttp://h/\xFF\nhttp://h/ok\n",
         "1 link was not written:\nlink 2: it holds a line break"},
        {SaveFormat::JsonLines,
         "{\"url\":\"http://h/tab\\u0009here\",\"name\":\"\",\"dir\":\"\",\"referer\":\"\","
         "\"checked\":false}\n{\"url\":\"http://h/line\\u000abreak\",\"name\":\"\",\"dir\":\"\","
         "\"referer\":\"\",\"checked\":false}\n{\"url\":\"http://h/ok\",\"name\":\"\",\"dir\":\"\","
         "\"referer\":\"\",\"checked\":false}\n",
         "1 link was not written:\nlink 3: it is not UTF-8"},
    };
    for (const Case& c : cases) {
        std::string message;
        EXPECT_EQ(exported(links, {c.format, SaveScope::All, "", "", "", {}, {}}, &message),
                  c.bytes);
        EXPECT_EQ(message, c.message);
    }
}

} // namespace
} // namespace harvex2::core
