#include "core/handoff/RouteTable.h"

#include "core/handoff/TargetTable.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

struct ParseCase {
    const char* text;
    const char* error; // the start of the message; empty: the text parses
};

TEST(RouteTable, ReadsRoutesAndTellsTheLineAndColumnOfAMistake) {
    const ParseCase cases[] = {
        {"+ ext:mp4,mkv -> aria2:/data/video\r\n# note -> x\n\n- host:intranet\n"
         "+ ext:iso -> command",
         ""},
        {"+ re:a->b -> Command : /with blanks ", ""},
        {"+ ext:zip", "Line 1, column 10: A route ends in -> and a target, such as -> aria2."},
        {"\n+ ext:zip -> nas:/x", "Line 2, column 14: There is no target \"nas\"; the targets are "
                                  "NetVampire, NetVampire 3, ReGet, aria2"},
        {"+ text:\"\xc3\xa9t\xc3\xa9\" -> nsa", "Line 1, column 17: There is no target \"nsa\""},
        {"+ ext:zip ->  ", "Line 1, column 15: Name a target after ->, such as aria2."},
        {"+ ext:zip -> aria2:", "Line 1, column 20: Write a folder after the colon"},
        {"- ext:zip -> aria2",
         "Line 1, column 11: A - line keeps its links with the chosen target and names none."},
        {"  -> aria2", "Line 1, column 1: A route begins with a rule, such as + ext:mp4."},
        {"+ ext:zip -> aria2\n+ size:3 -> aria2", "Line 2, column 3: There is no test \"size:\""},
        {"+ ext: -> aria2", "Line 1, column 3: ext: needs a value."},
    };
    for (const ParseCase& c : cases) {
        auto parsed = RouteTable::parse(c.text);
        const auto* error = std::get_if<RuleError>(&parsed);
        EXPECT_EQ(error ? error->message().substr(0, std::string_view(c.error).size()) : "",
                  c.error)
            << c.text << "\n gives: " << (error ? error->message() : "no error");
    }
}

TEST(RouteTable, TheLastLineThatHoldsDecidesWhereARowGoes) {
    auto parsed = RouteTable::parse("+ ext:mp4,mkv -> aria2 : /data/video\n"
                                    "+ host:files.example -> Command\n"
                                    "- ext:txt -> \n"
                                    "- ext:txt\n");
    ASSERT_TRUE(std::holds_alternative<RuleError>(parsed)); // "-" names no target
    parsed = RouteTable::parse("+ ext:mp4,mkv -> aria2 : /data/video\n"
                               "+ host:files.example -> Command\n"
                               "- ext:txt\n");
    const RouteTable& routes = std::get<RouteTable>(parsed);
    AddingRows rows;
    for (const char* link :
         {"http://files.example/y.zip", "http://a/x.mp4", "http://files.example/z.mkv",
          "http://files.example/n.txt", "http://other/w.zip", "http://b/v.MKV"}) {
        rows.append(link, {}, std::nullopt);
    }
    const auto shares = routes.split(rows, {TargetTable::find(TargetProgram::ReGet), ""}, {});
    // In the order of the target table, whatever the order of the rows.
    ASSERT_EQ(shares.size(), 3u);
    EXPECT_EQ(shares[0].target.kind->name, "ReGet");
    EXPECT_EQ(shares[0].rows, (std::vector<std::size_t>{3, 4}));
    EXPECT_EQ(shares[0].folders, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(shares[1].target.kind->name, "aria2");
    EXPECT_EQ(shares[1].rows, (std::vector<std::size_t>{1, 5}));
    EXPECT_EQ(shares[1].folders, (std::vector<std::string>{"/data/video", "/data/video"}));
    EXPECT_EQ(shares[2].target.kind->name, "Command");
    EXPECT_EQ(shares[2].rows, (std::vector<std::size_t>{0, 2}));
}

TEST(RouteTable, AnAria2EndpointIsATargetOfItsOwn) {
    SettingsRecord settings;
    settings.aria2Endpoints = {{.name = "desk", .url = "http://127.0.0.1:6800/jsonrpc"},
                               {.name = "nas", .url = "https://nas:6800/jsonrpc"}};
    settings.aria2Endpoint = "desk";
    settings.mode = TargetProgram::Aria2;
    auto parsed = RouteTable::parse("+ ext:mp4 -> NAS:/video\n+ ext:zip -> nvr", settings);
    ASSERT_TRUE(std::holds_alternative<RuleError>(parsed));
    EXPECT_EQ(std::get<RuleError>(parsed).message(),
              "Line 2, column 14: There is no target \"nvr\"; the targets are NetVampire, "
              "NetVampire 3, ReGet, aria2, Command, desk and nas.");
    parsed = RouteTable::parse("+ ext:mp4 -> NAS:/video", settings);
    AddingRows rows;
    for (const char* link : {"http://a/x.mp4", "http://a/y.zip", "http://a/z.mp4"}) {
        rows.append(link, {}, std::nullopt);
    }
    const NamedTarget desk{TargetTable::find(TargetProgram::Aria2), "desk"};
    const auto shares = std::get<RouteTable>(parsed).split(rows, desk, {});
    ASSERT_EQ(shares.size(), 2u);
    EXPECT_EQ(shares[0].target.endpoint, "nas");
    EXPECT_EQ(shares[0].rows, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(shares[0].target.chosenIn(settings).aria2Endpoint, "nas");
    EXPECT_EQ(shares[1].target.endpoint, "desk");
    EXPECT_EQ(shares[1].rows, (std::vector<std::size_t>{1}));
}

} // namespace
} // namespace harvex2::core
