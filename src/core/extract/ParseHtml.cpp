#include "core/extract/ParseHtml.h"

#include "core/extract/HtmlFile.h"
#include "core/extract/LinkScanner.h"
#include "platform/ErrorBox.h"
#include "platform/IoError.h"

#include <filesystem>
#include <utility>

namespace harvex2::core {

namespace {

constexpr const char* kOpenError = "Error opening the HTML source file";

std::string openErrorText(const std::string& first, const std::string& path, int error) {
    return first + "\n" + platform::namedFailure(path, platform::IoError::textFor(error));
}

std::string fileNamePart(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Hands kept links to the link list a piece at a time: one notification per piece keeps a
// view's cost out of the scan, and the list has caught up whenever the counters are shown.
class BatchingStats final : public ScanStats {
public:
    BatchingStats(LinkList& links, ScanStats& stats) : links_(links), stats_(stats) {}

    void keep(std::string_view link) { batch_.emplace_back(link); }

    void UpdateStats(ScanEvent event, const ScanCounters& counters) override {
        if (event == ScanEvent::Characters || event == ScanEvent::Finished) {
            const std::size_t size = batch_.size();
            links_.appendAll(std::exchange(batch_, {}));
            // The next piece most likely holds as many links.
            batch_.reserve(size);
        }
        stats_.UpdateStats(event, counters);
    }

private:
    LinkList& links_;
    ScanStats& stats_;
    std::vector<std::string> batch_;
};

} // namespace

bool ParseHTML(const std::string& sourcePath, const IgnoreSwitches& switches, LinkList& links,
               ScanStats& stats, platform::Prompts& prompts, platform::StatusBar& statusBar) {
    HtmlFile file(sourcePath);
    if (!file.isOpen()) {
        prompts.message({platform::MessageIcon::Error,
                         "Harvex2",
                         openErrorText(kOpenError, sourcePath, file.error()),
                         {platform::MessageButton::Ok}});
        return false;
    }
    BatchingStats batching(links, stats);
    LinkScanner scanner(
        switches, [&batching](std::string_view link) { batching.keep(link); }, &batching);
    const ScanCounters counters = scanner.scan(file);
    statusBar.setText(platform::StatusPanel::State, "Parsed " + fileNamePart(sourcePath));
    statusBar.setText(platform::StatusPanel::Detail,
                      "Links extracted: " + std::to_string(counters.linksFound));
    return true;
}

int ParseHTMLFile(const std::string& sourcePath, const IgnoreSwitches& switches,
                  std::vector<std::string>& staging) {
    HtmlFile file(sourcePath);
    if (!file.isOpen()) {
        return file.error();
    }
    LinkScanner scanner(switches,
                        [&staging](std::string_view link) { staging.emplace_back(link); });
    scanner.scan(file);
    return 0;
}

std::string ParseHTMLFileError(const std::string& sourcePath, int error) {
    // The system's number stays where it always stood; the program's own refusals have none.
    std::string first = kOpenError;
    if (error > 0) {
        first += " " + std::to_string(error);
    }
    return openErrorText(first, sourcePath, error);
}

} // namespace harvex2::core
