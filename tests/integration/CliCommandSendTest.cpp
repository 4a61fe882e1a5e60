#include "CliRun.h"
#include "core/handoff/CommandPresets.h"
#include "support/core/LoopbackHttpServer.h"

#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2::test {
namespace {

using Args = std::vector<std::string>;

// Real downloaders fetching from a loopback server through `send --command`.
class CliCommandSend : public ::testing::Test {
protected:
    CliOutcome send(const std::string& command, const std::string& links, Args more = {}) const {
        Args args = {"send",
                     "--command",
                     command,
                     "--dir",
                     downloads,
                     "-0",
                     folder.makeFile("links", links)};
        args.insert(args.end(), more.begin(), more.end());
        return runCli(folder, args);
    }
    std::string link(const std::string& path) const { return server.address() + path; }

    LoopbackHttpServer server{[](const HttpRequest& request) {
        // As many sites do, "/page-only/" serves only downloads that name the page.
        if (request.path.starts_with("/page-only/") &&
            request.head.find("\r\nReferer: http://page/\r\n") == std::string::npos) {
            return HttpReply{403, "no referrer"};
        }
        return request.path.starts_with("/files/") || request.path.starts_with("/page-only/")
                   ? HttpReply{200, "body of " + request.path}
                   : HttpReply{404, "no such file"};
    }};
    TempFolder folder;
    std::string downloads = folder.path() + "/down";
};

TEST_F(CliCommandSend, RealDownloadersFetchEachFileAndTellTheMissingOnesError) {
    // What each ready-made template's row shows for a missing file (aria2c tells only its
    // output, which is not read).
    const std::map<std::string, std::string> missingLines{
        {"wget", "ERROR 404"}, {"curl", "404"}, {"axel", "ERROR 404"}, {"aria2c", "exit status 3"}};
    std::vector<core::CommandPreset> programs;
    for (const core::CommandPreset& preset : core::CommandPresets::all()) {
        if (missingLines.contains(preset.program)) {
            programs.push_back(preset);
        }
    }
    ASSERT_EQ(programs.size(), missingLines.size());
    for (const auto& program : programs) {
        SCOPED_TRACE(program.line);
        std::filesystem::remove_all(downloads);
        const std::string links = link("/files/one.txt") + '\0' + link("/files/a%20b.bin") + '\0' +
                                  link("/gone/missing.pdf") + '\0';
        const auto outcome = send(program.line, links);
        EXPECT_EQ(outcome.status, 1) << outcome.err;
        EXPECT_EQ(TempFolder::read(downloads + "/one.txt"), "body of /files/one.txt");
        EXPECT_EQ(TempFolder::read(downloads + "/a b.bin"), "body of /files/a%20b.bin");
        EXPECT_NE(outcome.out.find("done\t" + link("/files/one.txt") + '\0'), std::string::npos);
        const auto missing = outcome.out.find("\t" + link("/gone/missing.pdf") + '\0');
        ASSERT_NE(missing, std::string::npos) << outcome.out;
        const std::string row = outcome.out.substr(0, missing);
        const std::string line =
            row.substr(row.rfind('\0') == std::string::npos ? 0 : row.rfind('\0') + 1);
        EXPECT_TRUE(line.starts_with("error: ")) << line;
        EXPECT_NE(line.find(missingLines.at(program.program)), std::string::npos) << line;
    }
}

TEST_F(CliCommandSend, RealWgetAndCurlSaveUnderTheMasksNamesAndSendTheReferrer) {
    const std::string lines[] = {"wget -nv -O {dir}/{name} --referer={referer} -- {url}",
                                 "curl -g -fsS -e {referer} -o {dir}/{name} -- {url}"};
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        std::filesystem::remove_all(downloads);
        // Taken already: the mask's first name is numbered past it.
        folder.makeFile("down/files/1-one.txt", "kept");
        const std::string links =
            link("/files/one.txt") + '\0' + link("/page-only/deep/two.bin?x=1") + '\0';
        const auto outcome = send(
            line, links, {"--mask", "*subdirs*/*num*-*name*.*ext*", "--referer", "http://page/"});
        EXPECT_EQ(outcome.status, 0) << outcome.out << outcome.err;
        EXPECT_EQ(TempFolder::read(downloads + "/files/1-one.txt"), "kept");
        EXPECT_EQ(TempFolder::read(downloads + "/files/1-one_2.txt"), "body of /files/one.txt");
        EXPECT_EQ(TempFolder::read(downloads + "/page-only/deep/2-two.bin"),
                  "body of /page-only/deep/two.bin?x=1");
    }
}

TEST_F(CliCommandSend, ALinkReachesTheProgramAsOneUnchangedArgument) {
    const std::string strange = "http://h/a\nb;$(touch pwned)`id` 'q\" *";
    const auto outcome = send("sh -c 'printf %s \"$1\" > \"$2\"' sh {url} {dir}/{n}.arg",
                              strange + '\0' + "-x" + '\0');
    EXPECT_EQ(TempFolder::read(downloads + "/1.arg"), strange);
    EXPECT_FALSE(std::filesystem::exists(folder.file("pwned")));
    EXPECT_FALSE(std::filesystem::exists(downloads + "/2.arg"));
    EXPECT_NE(outcome.out.find("refused: the link starts with \"-\""), std::string::npos);
    EXPECT_EQ(outcome.status, 1);
}

TEST_F(CliCommandSend, AProgramThatCannotStartIsNamedBeforeAnyStarts) {
    const auto outcome = send("harvex2-no-such-downloader -- {url}", link("/files/one.txt") + '\0');
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("\"harvex2-no-such-downloader\""), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.out, "");
}

TEST_F(CliCommandSend, ATemplateLeavingAQuoteOpenIsAUsageError) {
    const auto outcome = send("wget \"{url}", link("/files/one.txt"));
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("quote"), std::string::npos);
}

} // namespace
} // namespace harvex2::test

#endif
