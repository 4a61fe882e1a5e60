#include "support/core/TempFolder.h"

#include <string>

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::string record(char flag, std::string_view text) {
    std::string bytes{flag, static_cast<char>(text.size())};
    bytes += text;
    bytes.append(128 - text.size(), '\0');
    return bytes;
}

// The built program started as `harvex2 FILE.nva`, in a settings folder of its own, closing
// its main window as soon as it is up.
class ProgramListFileTest : public testing::Test {
protected:
    void start(const std::string& listFile) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"HARVEX2_CONFIG_DIR"_s, settings.path());
        environment.insert(u"HARVEX2_CLOSE_AFTER_START"_s, u"1"_s);
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(HARVEX2_GUI_BINARY), {QString::fromStdString(listFile)});
        ASSERT_TRUE(program.waitForStarted(10000));
    }

    QTemporaryDir settings;
    harvex2::test::TempFolder files;
    QProcess program;
};

TEST_F(ProgramListFileTest, TheProgramReadsTheListNamedOnItsCommandLine) {
    const std::string whole =
        record(0, "142") + record(0, "http://b/") + record(0, "dl") + record(1, "a.zip");
    start(files.makeFile("good.nva", whole));
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    // A list cut short stops the start on the general error box, which only a program that
    // really read the file can show; nobody answers it here.
    start(files.makeFile("cut.nva", whole + "cut"));
    EXPECT_FALSE(program.waitForFinished(3000));
    program.kill();
    program.waitForFinished(10000);
}

} // namespace
