#include "core/extract/ParseHtml.h"

#include "core/extract/HtmlFile.h"
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
// Where the page's address may resolve them, the links wait for the end of the page,
// since the address may stand anywhere in it; that address is then their origin.
class BatchingStats final : public ScanStats {
public:
    BatchingStats(LinkList& links, ScanStats& stats, bool holdToEnd)
        : links_(links), stats_(stats), holdToEnd_(holdToEnd) {}

    void keep(std::string_view link) { batch_.emplace_back(link); }
    void resolveWith(const LinkFinder& finder) { finder_ = &finder; }

    void UpdateStats(ScanEvent event, const ScanCounters& counters) override {
        if (event == ScanEvent::Finished && holdToEnd_) {
            address_ = finder_->resolvingAddress();
            if (!address_.empty()) {
                LinkFinder::resolveAll(address_, batch_);
            }
        }
        if ((event == ScanEvent::Characters && !holdToEnd_) || event == ScanEvent::Finished) {
            const std::size_t size = batch_.size();
            links_.appendAll(std::exchange(batch_, {}), address_);
            // The next piece most likely holds as many links.
            batch_.reserve(size);
        }
        stats_.UpdateStats(event, counters);
    }

    const std::string& address() const { return address_; }

private:
    LinkList& links_;
    ScanStats& stats_;
    bool holdToEnd_;
    const LinkFinder* finder_ = nullptr;
    std::vector<std::string> batch_;
    std::string address_;
};

} // namespace

bool ParseHTML(const std::string& sourcePath, const ReadingChoice& choice,
               const IgnoreSwitches& switches, LinkList& links, ScanStats& stats,
               platform::Prompts& prompts, platform::StatusBar& statusBar) {
    HtmlFile file(sourcePath);
    if (!file.isOpen()) {
        prompts.message({platform::MessageIcon::Error,
                         "Harvex2",
                         openErrorText(kOpenError, sourcePath, file.error()),
                         {platform::MessageButton::Ok}});
        return false;
    }
    BatchingStats batching(links, stats, choice.resolvePageLinks && !choice.quickScan);
    LinkFinder finder(
        choice, switches, [&batching](std::string_view link) { batching.keep(link); }, &batching);
    batching.resolveWith(finder);
    const ScanCounters counters = finder.scan(file);
    statusBar.setText(platform::StatusPanel::State, "Parsed " + fileNamePart(sourcePath));
    statusBar.setText(platform::StatusPanel::Detail,
                      batching.address().empty()
                          ? "Links extracted: " + std::to_string(counters.linksFound)
                          : "Links resolved against the page's address: " + batching.address());
    return true;
}

int ParseHTMLFile(const std::string& sourcePath, const ReadingChoice& choice,
                  const IgnoreSwitches& switches, std::vector<std::string>& staging,
                  std::string& address) {
    address.clear();
    HtmlFile file(sourcePath);
    if (!file.isOpen()) {
        return file.error();
    }
    const std::size_t first = staging.size();
    LinkFinder finder(choice, switches,
                      [&staging](std::string_view link) { staging.emplace_back(link); });
    finder.scan(file);
    address = finder.resolvingAddress();
    if (!address.empty()) {
        LinkFinder::resolveAll(address, staging, first);
    }
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
