#include <csignal>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Runs the built program as a user would, in a settings folder of its own, and lets it
// close its main window as soon as it has started.
class ProgramRunTest : public testing::Test {
protected:
    void startProgram(QProcess& program, const QStringList& arguments, bool closeAfterStart) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"HARVEX2_CONFIG_DIR"_s, folder.path());
        environment.insert(u"XDG_STATE_HOME"_s, folder.path());
        if (closeAfterStart) {
            environment.insert(u"HARVEX2_CLOSE_AFTER_START"_s, u"1"_s);
        }
        environment.insert(u"LC_ALL"_s, u"C"_s);
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(HARVEX2_GUI_BINARY), arguments);
    }

    // The run's exit code; its time from start to exit goes to the test's output.
    int runProgram(const QStringList& arguments) {
        QProcess program;
        QElapsedTimer clock;
        clock.start();
        startProgram(program, arguments, true);
        EXPECT_TRUE(program.waitForFinished(60000)) << program.errorString().toStdString();
        std::cout << "[ measured ] start-up and close: " << clock.elapsed() << " ms\n";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit)
            << program.readAllStandardError().toStdString();
        return program.exitCode();
    }

    QString settingsText() const {
        QFile file(folder.filePath(u"user.reg"_s));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir folder;
};

TEST_F(ProgramRunTest, ClosingTheMainWindowWritesTheSettingsFile) {
    ASSERT_EQ(runProgram({}), 0);
    const QString text = settingsText();
    EXPECT_TRUE(text.startsWith(u"Windows Registry Editor Version 5.00"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\"LastRunVersion\"=\"1.42\""_s)) << text.toStdString();
    for (const auto* value : {u"\"Left\"=dword:000000c5", u"\"Top\"=dword:000000b8",
                              u"\"Width\"=dword:00000178", u"\"Height\"=dword:0000019b"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf16(value))) << text.toStdString();
    }
}

TEST_F(ProgramRunTest, DeveloperModeAndIgnoredArgumentsStartAndEndTheSameWay) {
    EXPECT_EQ(runProgram({u"-dev"_s}), 0);
    EXPECT_EQ(runProgram({u"notes.txt"_s}), 0);
    EXPECT_TRUE(settingsText().contains(u"\"Files\"=dword:00000000"_s));
}

// Whether the running process `pid` handles signal `number` itself, by its kernel status.
bool handlesSignal(qint64 pid, int number) {
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            const qulonglong caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
            return ((caught >> (number - 1)) & 1) != 0;
        }
    }
    return false;
}

// A logout sends SIGTERM, a closed terminal SIGHUP, Ctrl+C SIGINT: each saves the settings
// and ends the program as File > Exit does.
TEST_F(ProgramRunTest, TerminationSignalsSaveTheSettingsAndEndTheProgramNormally) {
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        QFile::remove(folder.filePath(u"user.reg"_s));
        QProcess program;
        startProgram(program, {}, false);
        ASSERT_TRUE(program.waitForStarted(60000));
        QElapsedTimer waited;
        waited.start();
        while (!handlesSignal(program.processId(), number) && waited.elapsed() < 60000) {
            QThread::msleep(20);
        }
        ::kill(static_cast<pid_t>(program.processId()), number);
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit)
            << program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_TRUE(settingsText().contains(u"\"Remember\"=dword:00000001"_s));
    }
}

} // namespace
