#include "CliRun.h"
#include "support/core/LoopbackHttpServer.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2 {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// Serves "/f/NAME" with the body "bytes of NAME".
test::HttpReply serveFile(const test::HttpRequest& request) {
    if (request.path.starts_with("/f/")) {
        return {200, "bytes of " + request.path.substr(3)};
    }
    return {404, "missing"};
}

// Lists written by convert, read back by the download managers themselves.
class CliExport : public testing::Test {
protected:
    CliExport() {
        // The first link is named in the list; the others by the mask, in folders of their own.
        input = folder.makeFile("in.txt", server.address() + "/f/one.txt\tfirst.txt\n" +
                                              server.address() + "/f/a/caf%C3%A9.txt\n" +
                                              server.address() + "/f/a/caf%C3%A9.txt\n");
    }

    std::string convert(const std::string& form, const std::string& dir) {
        const std::string out = folder.file("list." + form);
        const auto outcome =
            test::runCli(folder, {"convert", input, "--names", "--to", form, "--mask",
                                  "*subdirs*/*name*.*ext*", "--dir", dir, "-o", out});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return out;
    }

    static void expectFiles(const std::string& dir) {
        EXPECT_EQ(test::TempFolder::read(dir + "/first.txt"), "bytes of one.txt");
        EXPECT_EQ(test::TempFolder::read(dir + "/f/a/café.txt"), "bytes of a/caf%C3%A9.txt");
        EXPECT_EQ(test::TempFolder::read(dir + "/f/a/café_2.txt"), "bytes of a/caf%C3%A9.txt");
    }

    test::TempFolder folder;
    test::LoopbackHttpServer server{serveFile};
    std::string input;
};

TEST_F(CliExport, CurlReadsTheConfigAndSavesUnderTheNames) {
    const std::string dir = folder.file("curl out");
    const std::string config = convert("curl", dir);
    const std::string command = "curl -sS --fail -K " + test::shellQuoted(config);
    ASSERT_EQ(std::system(command.c_str()), 0);
    expectFiles(dir);
}

TEST_F(CliExport, Aria2ReadsTheInputFileAndSavesUnderTheNames) {
    const std::string dir = folder.file("aria2 out");
    const std::string list = convert("aria2", dir);
    const std::string command = "aria2c -q --no-conf --allow-overwrite=false --auto-file-renaming="
                                "false -i " +
                                test::shellQuoted(list);
    ASSERT_EQ(std::system(command.c_str()), 0);
    expectFiles(dir);
}

TEST_F(CliExport, ALinkAFormCannotHoldFailsTheCommandButTheRestIsWritten) {
    test::TempFolder::write(input, "http://h/ok\nhttp://h/tab\there\n");
    const std::string out = folder.file("list.aria2");
    const auto outcome = test::runCli(folder, {"convert", input, "--to", "aria2", "-o", out});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err,
              "harvex2-cli: 1 link was not written:\nlink 2: it holds a TAB or a line break\n");
    EXPECT_EQ(test::TempFolder::read(out), "http://h/ok\n");
    const auto misused =
        test::runCli(folder, {"convert", input, "--to", "text", "--mask", "x", "-o", out});
    EXPECT_EQ(misused.status, 2);
}

} // namespace
} // namespace harvex2

#endif
