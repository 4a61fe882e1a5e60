// A selection copied in a real browser, pasted into the link list: every link of the page,
// resolved, with the page's address as the origin. Each browser runs on the run's own X
// display; the test skips when a browser or an X tool is not installed.
#include "core/shell/SettingsRecord.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopbackHttpServer.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/LinkPasting.h"

#include <chrono>
#include <csignal>
#include <optional>
#include <thread>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace harvex2::test {
namespace {

constexpr const char* kPage =
    "<!doctype html><html><head><title>Harvest me</title></head><body><p>"
    "<a href=\"sub/a.html\">A</a> <a href=\"/files/b.zip\">B</a> "
    "<a href=\"../up.html\">C</a> <a href=\"http://other.example/c\">D</a> "
    "and http://text.example/d in the text.</p></body></html>";

struct BrowserCase {
    const char* name;
    const char* program;
    // The clipboard format that names the page; once it is offered, the copy is complete.
    const char* addressFormat;
    // Whether that names the page itself or only its site (scheme, host and port).
    bool namesThePage;
    QStringList (*arguments)(const TempFolder& profile, const QString& page);
};

void PrintTo(const BrowserCase& c, std::ostream* out) {
    *out << c.program;
}

QStringList chromiumArguments(const TempFolder& profile, const QString& page) {
    return {u"--no-sandbox"_s,
            u"--user-data-dir="_s + QString::fromStdString(profile.path()),
            u"--no-first-run"_s,
            u"--no-default-browser-check"_s,
            u"--disable-gpu"_s,
            u"--password-store=basic"_s,
            page};
}

QStringList firefoxArguments(const TempFolder& profile, const QString& page) {
    profile.makeFile("user.js",
                     "user_pref(\"browser.startup.homepage_override.mstone\", \"ignore\");\n"
                     "user_pref(\"startup.homepage_welcome_url\", \"\");\n"
                     "user_pref(\"browser.aboutwelcome.enabled\", false);\n"
                     "user_pref(\"browser.shell.checkDefaultBrowser\", false);\n"
                     "user_pref(\"datareporting.policy.dataSubmissionEnabled\", false);\n"
                     "user_pref(\"toolkit.telemetry.reportingpolicy.firstRun\", false);\n"
                     "user_pref(\"app.update.auto\", false);\n");
    return {u"--no-remote"_s, u"--profile"_s, QString::fromStdString(profile.path()), page};
}

// A tool run to its end: its output, or nothing when it failed or took longer than `limit`.
std::optional<QString> run(const QString& program, const QStringList& arguments,
                           std::chrono::milliseconds limit) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(static_cast<int>(limit.count()))) {
        tool.kill();
        tool.waitForFinished();
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// A browser in a process group of its own, so that its helper processes end with it.
class RunningBrowser {
public:
    RunningBrowser(const QString& program, const QStringList& arguments) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setChildProcessModifier([] { setpgid(0, 0); });
        process_.start(program, arguments);
    }
    ~RunningBrowser() {
        if (const qint64 pid = process_.processId(); pid > 0) {
            kill(-static_cast<pid_t>(pid), SIGKILL);
        }
        process_.waitForFinished();
    }
    RunningBrowser(const RunningBrowser&) = delete;
    RunningBrowser& operator=(const RunningBrowser&) = delete;

private:
    QProcess process_;
};

// Selects all and copies until the clipboard offers `format`, in bounded tries: the first
// keys may come before the page has the keyboard.
bool copyAll(const QString& window, const QString& format) {
    const auto offered = [&] {
        const std::optional<QString> targets =
            run(u"xclip"_s, {u"-o"_s, u"-selection"_s, u"clipboard"_s, u"-t"_s, u"TARGETS"_s}, 2s);
        return targets && targets->split(u'\n').contains(format);
    };
    for (int attempt = 0; attempt < 5; ++attempt) {
        run(u"xdotool"_s, {u"windowfocus"_s, u"--sync"_s, window}, 5s);
        run(u"xdotool"_s, {u"key"_s, u"--clearmodifiers"_s, u"ctrl+a"_s, u"ctrl+c"_s}, 5s);
        for (int poll = 0; poll < 20; ++poll) {
            if (offered()) {
                return true;
            }
            std::this_thread::sleep_for(100ms);
        }
    }
    return false;
}

// The clipboard as the program sees it once its event loop has heard of the new owner.
const QMimeData* ownerOffering(const QString& format) {
    for (int wait = 0; wait < 100; ++wait) {
        QCoreApplication::processEvents();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (data != nullptr && data->hasFormat(format)) {
            return data;
        }
        std::this_thread::sleep_for(50ms);
    }
    return nullptr;
}

class BrowserPaste : public testing::TestWithParam<BrowserCase> {};

TEST_P(BrowserPaste, PastesEveryLinkOfTheSelectionResolvedWithThePageAsOrigin) {
    const BrowserCase& browser = GetParam();
    if (qApp == nullptr) {
        GTEST_SKIP() << "No X server could be started: is Xvfb installed?";
    }
    for (const char* tool : {browser.program, "xdotool", "xclip"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << tool << " is not installed";
        }
    }
    LoopbackHttpServer server([](const HttpRequest& request) {
        return request.path == "/dir/page.html" ? HttpReply{200, kPage} : HttpReply{404, {}};
    });
    const std::string page = server.address() + "/dir/page.html";
    const TempFolder profile;
    const RunningBrowser running(QString::fromLatin1(browser.program),
                                 browser.arguments(profile, QString::fromStdString(page)));
    // The title shows once the page is loaded.
    const std::optional<QString> windows =
        run(u"xdotool"_s,
            {u"search"_s, u"--sync"_s, u"--onlyvisible"_s, u"--name"_s, u"Harvest me"_s}, 45s);
    ASSERT_TRUE(windows) << browser.program << " showed no page";
    ASSERT_TRUE(copyAll(windows->section(u'\n', 0, 0), QString::fromLatin1(browser.addressFormat)));

    core::LinkList links;
    core::SettingsRecord settings;
    RecordingStatusBar statusBar;
    ScriptedPrompts prompts;
    ui::AppServices services;
    services.links = &links;
    services.settings = &settings;
    services.statusBar = &statusBar;
    services.prompts = &prompts;
    const QMimeData* copied = ownerOffering(QString::fromLatin1(browser.addressFormat));
    ASSERT_NE(copied, nullptr);
    ui::LinkPasting::paste(*copied, services);

    const std::string site = server.address();
    const std::vector<std::string> expected = {site + "/dir/sub/a.html", site + "/files/b.zip",
                                               site + "/up.html", "http://other.example/c",
                                               "http://text.example/d"};
    std::vector<std::string> pasted;
    for (std::size_t i = 0; i < links.count(); ++i) {
        pasted.emplace_back(links.textAt(i));
        EXPECT_EQ(links.originAt(i), browser.namesThePage ? page : site) << links.textAt(i);
    }
    EXPECT_EQ(pasted, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Debian, BrowserPaste,
    testing::Values(
        BrowserCase{"Chromium", "chromium", "chromium/x-source-url", true, chromiumArguments},
        BrowserCase{"Firefox", "firefox-esr", "text/x-moz-url-priv", false, firefoxArguments}),
    [](const testing::TestParamInfo<BrowserCase>& c) { return std::string(c.param.name); });

} // namespace
} // namespace harvex2::test
