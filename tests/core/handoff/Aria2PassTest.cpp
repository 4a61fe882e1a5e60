#include "core/handoff/AddingPass.h"
#include "core/handoff/Aria2Endpoints.h"
#include "core/handoff/Aria2Session.h"
#include "core/handoff/DownloadReports.h"
#include "core/handoff/DownloadTarget.h"
#include "core/handoff/RowNaming.h"
#include "core/listfiles/NamedLinks.h"
#include "core/shell/LinkList.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeAutomation.h"
#include "support/core/FakeDdeClient.h"
#include "support/core/FakeJsonRpc.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowPicture;
using platform::FailureKind;
using platform::JsonRpcBatchResult;
using platform::JsonRpcCall;
using platform::JsonRpcFailure;
using Options = std::map<std::string, std::string>;
using Uris = std::vector<std::string>;

const std::string kUrl = "http://127.0.0.1:6800/jsonrpc";

class Aria2PassTest : public ::testing::Test {
protected:
    Aria2PassTest() {
        prompts.answerThrough(windowThread);
        settings.mode = core::TargetProgram::Aria2;
        settings.aria2Secret = "s3cret";
        addRows(3);
    }

    void addRows(std::size_t count) {
        rows.clear();
        for (std::size_t i = 0; i < count; ++i) {
            rows.append("http://h/" + std::to_string(i) + ".zip",
                        {"/down/", std::to_string(i) + ".zip"}, core::RowSource{i});
        }
    }

    void run() {
        core::AddingPass pass(userStore, userStore, dde, automation, jsonRpc);
        runToEnd(pass, context, windowThread);
    }

    void expectFailure(FailureKind kind, const std::string& text) {
        prompts.expectFailure(kind, text);
    }

    void expectErrorsMessage() {
        expectFailure(FailureKind::Stated,
                      "There were errors while adding jobs\r\nPlease review and close "
                      "the adding dialog.");
    }

    // A fatal end before any row: the marker on the first row, every row still waiting.
    void expectFatalBeforeAnyRow() {
        EXPECT_EQ(rows.at(0).indexFromMain(), "31999");
        for (std::size_t r = 0; r < rows.count(); ++r) {
            EXPECT_EQ(rows.at(r).status, "Waiting");
            EXPECT_EQ(rows.at(r).picture, RowPicture::Waiting);
        }
        EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
        EXPECT_FALSE(window.pleaseWaitShown);
        EXPECT_EQ(settings.files, 0);
    }

    TempFolder folder;
    platform::FileRegistryStore userStore{platform::Hive::CurrentUser, folder.file("user.reg")};
    core::AddingRows rows;
    FakeAddingWindow window;
    core::SettingsRecord settings;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    FakeDdeClient dde;
    FakeAutomation automation;
    FakeJsonRpc jsonRpc;
    core::AddingPassContext context{rows,         window,    settings, prompts,
                                    windowThread, userStore, userStore};
};

TEST_F(Aria2PassTest, EveryRowIsAddedInBatchesAfterTheVersionCallAndTheWindowCloses) {
    addRows(450);
    run();
    EXPECT_EQ(jsonRpc.url, kUrl);
    EXPECT_GT(jsonRpc.timeout.count(), 0);
    ASSERT_EQ(jsonRpc.batches.size(), 4u);
    EXPECT_EQ(jsonRpc.batches[0].size(), 1u);
    EXPECT_EQ(jsonRpc.batches[0][0].method, "aria2.getVersion");
    EXPECT_EQ(jsonRpc.batches[0][0].params.at(0), platform::JsonRpcParam("token:s3cret"));
    EXPECT_EQ(jsonRpc.batches[1].size(), 200u);
    EXPECT_EQ(jsonRpc.batches[3].size(), 50u);
    const JsonRpcCall& last = jsonRpc.batches[3].back();
    EXPECT_EQ(last.method, "aria2.addUri");
    EXPECT_EQ(last.params, (std::vector<platform::JsonRpcParam>{
                               "token:s3cret", Uris{"http://h/449.zip"},
                               Options{{"dir", "/down/"}, {"out", "449.zip"}}}));
    for (std::size_t r = 0; r < rows.count(); ++r) {
        ASSERT_EQ(rows.at(r).status, "Added");
        ASSERT_EQ(rows.at(r).picture, RowPicture::Added);
    }
    EXPECT_EQ(settings.files, 450);
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_EQ(window.pleaseWaitStatuses, std::vector<std::string>{"Connecting to aria2..."});
    EXPECT_FALSE(window.pleaseWaitShown);
    EXPECT_EQ(window.progressMaximum, 449);
    EXPECT_EQ(window.progressPosition, 449);
    EXPECT_EQ(window.scrolled.size(), 450u);
}

TEST_F(Aria2PassTest, RowsNamedByTheMaskCarryTheirNameAndReferrer) {
    core::LinkList links;
    links.append("http://h/x/a.zip", "http://page/");
    core::NamedLinks::append(links, {"http://h/b.zip\t../given.zip", "http://h/c.zip"});
    links.details().counters.set(links.idAt(2), {"07"});
    folder.makeFile("down/x/a#1.zip");
    rows.clear();
    for (std::size_t i = 0; i < links.count(); ++i) {
        const std::string link(links.textAt(i));
        rows.append(link, core::DownloadTarget::placeFor(folder.file("down"), link),
                    core::RowSource{i, links.idAt(i)});
    }
    settings.nameMask = "*subdirs*/*name*#1.*ext*";
    core::RowNaming::apply(rows, links, settings, {"http://base/", folder.file("down"), {}});
    run();
    const std::string dir = folder.file("down") + "/";
    const std::vector<Options> sent = {
        {{"dir", dir}, {"out", "x/a#1_2.zip"}, {"referer", "http://page/"}},
        {{"dir", dir}, {"out", "given.zip"}, {"referer", "http://base/"}},
        {{"dir", dir}, {"out", "c07.zip"}, {"referer", "http://base/"}},
    };
    ASSERT_EQ(jsonRpc.batches.size(), 2u);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(jsonRpc.batches[1][i].params.back(), platform::JsonRpcParam(sent[i])) << i;
    }
    EXPECT_EQ(rows.at(0).target(), dir + "x/a#1_2.zip");
}

TEST_F(Aria2PassTest, WithoutSecretOrTargetOnlyTheUrlIsSent) {
    settings.aria2Secret.clear();
    rows.clear();
    rows.append("http://h/a", {}, core::RowSource{0});
    rows.append("http://h/b", {"", " "}, std::nullopt);
    run();
    EXPECT_TRUE(jsonRpc.batches[0][0].params.empty());
    for (const JsonRpcCall& call : jsonRpc.batches[1]) {
        EXPECT_EQ(call.params.size(), 1u);
    }
}

TEST_F(Aria2PassTest, ARefusedRowCarriesAria2sMessageAndTheWindowStaysOpen) {
    jsonRpc.answer = [calls = 0](const std::vector<JsonRpcCall>& batch) mutable {
        JsonRpcBatchResult result = FakeJsonRpc::results(batch, calls);
        if (batch.size() == 3) {
            result.answers[1] = FakeJsonRpc::error("No URI to download.");
        }
        return result;
    };
    expectErrorsMessage();
    run();
    EXPECT_EQ(rows.at(0).status, "Added");
    EXPECT_EQ(rows.at(1).status, "No URI to download.");
    EXPECT_EQ(rows.at(1).picture, RowPicture::Refused);
    EXPECT_EQ(rows.at(1).indexFromMain(), "32001");
    EXPECT_EQ(rows.at(2).picture, RowPicture::Added);
    EXPECT_EQ(settings.files, 2);
    EXPECT_TRUE(window.closeRequests.empty());
}

TEST_F(Aria2PassTest, AnAddressWhereAria2DoesNotAnswerEndsThePassBeforeAnyRow) {
    const std::vector<JsonRpcBatchResult> unanswered = {
        {JsonRpcFailure::CannotConnect, "refused", {}},
        {JsonRpcFailure::TimedOut, "timed out", {}},
        {JsonRpcFailure::BadAnswer, "not JSON", {}},
        // Some other JSON-RPC server.
        {JsonRpcFailure::None, {}, {FakeJsonRpc::error("Method not found")}},
    };
    settings.aria2Url = "http://127.0.0.1:1/rpc";
    for (const JsonRpcBatchResult& answer : unanswered) {
        window = {};
        rows.setOutcome(0, core::RowOutcome::Unmarked);
        jsonRpc.answer = [&answer](const std::vector<JsonRpcCall>&) { return answer; };
        expectFailure(FailureKind::Connection,
                      "Cannot connect to aria2 at http://127.0.0.1:1/rpc.");
        run();
        expectFatalBeforeAnyRow();
    }
}

TEST_F(Aria2PassTest, TheChosenEndpointTakesTheLinksUnlessItsTokenWouldTravelInClearText) {
    core::Aria2Endpoints::store(settings, {{.name = "aria2", .url = kUrl},
                                           {.name = "nas",
                                            .url = "https://nas:6800/jsonrpc",
                                            .secret = "t",
                                            .folder = "/data/",
                                            .caFile = "/etc/nas.pem"},
                                           {.name = "old", .url = "http://nas:6800/jsonrpc"}});
    settings.aria2Endpoint = "nas";
    rows.clear();
    rows.append("http://h/a.zip", {}, core::RowSource{std::size_t{0}});
    run();
    EXPECT_EQ(jsonRpc.url, "https://nas:6800/jsonrpc");
    EXPECT_EQ(jsonRpc.caFile, "/etc/nas.pem");
    ASSERT_EQ(jsonRpc.batches.size(), 2u);
    EXPECT_EQ(jsonRpc.batches[1][0].params,
              (std::vector<platform::JsonRpcParam>{"token:t", Uris{"http://h/a.zip"},
                                                   Options{{"dir", "/data/"}, {"out", "a.zip"}}}));

    settings.aria2Endpoint = "old";
    jsonRpc.batches.clear();
    window = {};
    expectFailure(FailureKind::Connection,
                  core::Aria2Endpoints::refusal(*core::Aria2Endpoints::find(settings, "old")));
    run();
    EXPECT_TRUE(jsonRpc.batches.empty());
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
}

TEST_F(Aria2PassTest, AWrongSecretIsToldApart) {
    jsonRpc.answer = [](const std::vector<JsonRpcCall>&) {
        return JsonRpcBatchResult{JsonRpcFailure::None, {}, {FakeJsonRpc::error("Unauthorized")}};
    };
    expectFailure(FailureKind::Connection, "aria2 refused the secret token.");
    run();
    expectFatalBeforeAnyRow();
    EXPECT_EQ(jsonRpc.batches.size(), 1u);
}

TEST_F(Aria2PassTest, AConnectionLostMidPassLeavesTheBatchUnconfirmedAndTheRestWaiting) {
    addRows(450);
    // The version call and the first batch are answered, the second batch is lost.
    jsonRpc.answer = [batches = 0, calls = 0](const std::vector<JsonRpcCall>& batch) mutable {
        return ++batches <= 2 ? FakeJsonRpc::results(batch, calls)
                              : JsonRpcBatchResult{JsonRpcFailure::ConnectionLost, "reset", {}};
    };
    expectFailure(FailureKind::Connection,
                  "The connection to aria2 at http://127.0.0.1:6800/jsonrpc was lost. "
                  "aria2 may have taken links 201 to 400, the last batch sent; links "
                  "401 to 450 are still waiting.");
    run();
    EXPECT_EQ(jsonRpc.batches.size(), 3u);
    EXPECT_EQ(rows.at(0).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(199).status, "Added");
    EXPECT_EQ(rows.at(199).indexFromMain(), "199");
    for (std::size_t r = 200; r < rows.count(); ++r) {
        const bool inFlight = r < 400;
        ASSERT_EQ(rows.at(r).status, inFlight ? "Not confirmed" : "Waiting") << r;
        ASSERT_EQ(rows.at(r).picture, inFlight ? RowPicture::Fatal : RowPicture::Waiting) << r;
        ASSERT_EQ(rows.at(r).indexFromMain(), inFlight ? "31999" : std::to_string(r)) << r;
    }
    EXPECT_EQ(settings.files, 200);
    // Open on the rows to check.
    EXPECT_TRUE(window.closeRequests.empty());
}

// Hears what the pass hands out for following.
struct RecordingReports : core::DownloadReports {
    void follow(core::Aria2Downloads downloads) override { followed.push_back(downloads); }
    void ended(core::EntryId, bool, const std::string&) override {}
    std::vector<core::Aria2Downloads> followed;
};

TEST_F(Aria2PassTest, TheGidsOfTheConfirmedRowsAreHandedOutWhenTheConnectionIsLost) {
    rows.clear();
    for (std::size_t i = 0; i < 250; ++i) {
        rows.append("http://h/" + std::to_string(i), {}, core::RowSource{i, 100 + i});
    }
    // The first batch is answered with one refusal, the second is lost.
    jsonRpc.answer = [batches = 0, calls = 0](const std::vector<JsonRpcCall>& batch) mutable {
        if (++batches > 2) {
            return JsonRpcBatchResult{JsonRpcFailure::ConnectionLost, "reset", {}};
        }
        JsonRpcBatchResult result = FakeJsonRpc::results(batch, calls);
        if (batches == 2) {
            result.answers[1] = FakeJsonRpc::error("No URI to download.");
        }
        return result;
    };
    RecordingReports reports;
    context.reports = &reports;
    prompts.expectFailure(FailureKind::Connection,
                          core::Aria2Session::lostMessage(kUrl, 200, 250, 250));
    run();
    ASSERT_EQ(reports.followed.size(), 1u);
    const core::Aria2Downloads& handed = reports.followed[0];
    EXPECT_EQ(handed.target, "aria2");
    EXPECT_EQ(handed.url, kUrl);
    EXPECT_EQ(handed.secret, "s3cret");
    ASSERT_EQ(handed.downloads.size(), 199u);
    EXPECT_EQ(handed.downloads[1].entry, 102u);
    EXPECT_EQ(handed.downloads[1].link, "http://h/2");
    EXPECT_TRUE(core::Aria2Session::isGid(handed.downloads[1].gid));
}

TEST(Aria2SessionTest, TheLostMessageNamesTheBatchAndTheWaitingLinks) {
    const std::string lost = "The connection to aria2 at http://a/ was lost. aria2 may have taken ";
    EXPECT_EQ(core::Aria2Session::lostMessage("http://a/", 0, 1, 2),
              lost + "link 1, the last batch sent; link 2 is still waiting.");
    EXPECT_EQ(core::Aria2Session::lostMessage("http://a/", 200, 250, 250),
              lost + "links 201 to 250, the last batch sent; no link is still waiting.");
    EXPECT_EQ(core::Aria2Session::lostMessage("http://a/", 3, 3, 4),
              "The connection to aria2 at http://a/ was lost. Link 4 is still waiting.");
}

TEST_F(Aria2PassTest, OnlyAGidAddsARowAndItIsTheOutcomesText) {
    const std::vector<std::pair<platform::JsonRpcAnswer, std::string>> answers = {
        {{false, "2089b05ecca3d829", 0, {}, true}, "2089b05ecca3d829"},
        {{false, "null", 0, {}, false}, {}},
        {{false, R"({"gid":"2089b05ecca3d829"})", 0, {}, false}, {}},
        {{false, "2089b05ecca3d829", 0, {}, false}, {}},
        {{false, "OK", 0, {}, true}, {}},
        {{false, "2089b05ecca3d82", 0, {}, true}, {}},
        {{false, "2089b05ecca3d82g", 0, {}, true}, {}},
    };
    const auto client = jsonRpc.open(kUrl, core::Aria2Session::kTimeout);
    core::Aria2Session session(*client, {});
    for (const auto& [answer, gid] : answers) {
        SCOPED_TRACE(answer.result);
        jsonRpc.answer = [&answer = answer](const std::vector<JsonRpcCall>&) {
            return JsonRpcBatchResult{JsonRpcFailure::None, {}, {answer}};
        };
        std::vector<core::Aria2Outcome> outcomes;
        ASSERT_EQ(session.add({{"http://h/a", {}, {}}}, outcomes), core::Aria2Failure::None);
        ASSERT_EQ(outcomes.size(), 1u);
        EXPECT_EQ(outcomes[0].added, !gid.empty());
        EXPECT_EQ(outcomes[0].text, gid.empty() ? "aria2 gave no download GID." : gid);
    }
}

TEST(Aria2SessionTest, TheRowsFileNameIsSentAsADecodedSafeName) {
    const struct {
        core::SavePlace place;
        const char* folder;
        const char* fileName;
    } cases[] = {
        {{"/down/load/", "with%20space.bin"}, "/down/load/", "with space.bin"},
        {{"/down/", "a%2F..%2F..%2Fx"}, "/down/", "a_.._.._x"},
        {{"/down/", "%2E%2E"}, "/down/", ""},
        {{"/down/", ""}, "/down/", ""},
        {{"", ".."}, "", ""},
    };
    for (const auto& c : cases) {
        const auto link = core::Aria2Session::linkFor("u", c.place);
        EXPECT_EQ(link.folder, c.folder) << c.place.fileName;
        EXPECT_EQ(link.fileName, c.fileName) << c.place.fileName;
    }
}

} // namespace
} // namespace harvex2::test
