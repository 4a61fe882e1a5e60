#include "core/extract/ParseHtml.h"

#include "platform/Failure.h"
#include "platform/IoError.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <utility>

namespace harvex2::core {

namespace {

constexpr const char* kOpenError = "Error opening the HTML source file";
constexpr std::size_t kAppendedPerSlice = 16 * 1024;

std::string openErrorText(const std::string& first, const std::string& path, int error) {
    return first + "\n" + platform::namedFailure(path, platform::IoError::textFor(error));
}

std::string fileNamePart(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

std::unique_ptr<ParseHtmlRun> ParseHtmlRun::start(const std::string& path,
                                                  const SettingsRecord& settings, LinkList& links,
                                                  ParseHtmlObserver& observer,
                                                  platform::Prompts& prompts,
                                                  platform::StatusBar& statusBar) {
    auto file = std::make_unique<HtmlFile>(path);
    if (!file->isOpen()) {
        prompts.report(
            {platform::FailureKind::Stated, openErrorText(kOpenError, path, file->error())});
        return nullptr;
    }
    return std::make_unique<ParseHtmlRun>(path, std::move(file), settings, links, observer,
                                          statusBar);
}

ParseHtmlRun::ParseHtmlRun(const std::string& path, std::unique_ptr<HtmlFile> file,
                           const SettingsRecord& settings, LinkList& links,
                           ParseHtmlObserver& observer, platform::StatusBar& statusBar)
    : fileName_(fileNamePart(path)), links_(links), observer_(observer), statusBar_(statusBar),
      // Where the page's address may resolve the links, they wait for the end of the page,
      // since the address may stand anywhere in it.
      scan_(std::move(file), settings, settings.resolvePageLinks && !settings.quickScan) {}

bool ParseHtmlRun::advance() {
    if (!taking_) {
        std::optional<ParseHtmlScan::Piece> piece = scan_.next(kWait);
        if (!piece) {
            return true;
        }
        piece_ = std::move(*piece);
        appended_ = 0;
        taking_ = true;
    }
    appended_ = appendPart(links_, piece_.links, appended_, piece_.address);
    if (appended_ < piece_.links.size()) {
        return true;
    }
    taking_ = false;
    if (piece_.last) {
        return finish();
    }
    observer_.progressed(piece_.counters);
    return true;
}

bool ParseHtmlRun::finish() {
    const ScanCounters& counters = piece_.counters;
    statusBar_.setText(platform::StatusPanel::State,
                       (cancelled_ ? "Stopped " : "Parsed ") + fileName_);
    statusBar_.setText(platform::StatusPanel::Detail,
                       piece_.address.empty()
                           ? "Links extracted: " + std::to_string(counters.linksFound)
                           : "Links resolved against the page's address: " + piece_.address);
    observer_.ended(counters, !cancelled_);
    return false;
}

void ParseHtmlRun::cancel() {
    cancelled_ = true;
    scan_.stop();
}

std::size_t appendPart(LinkList& list, std::vector<std::string>& links, std::size_t from,
                       const std::string& origin) {
    if (from == 0 && links.size() <= kAppendedPerSlice) {
        const std::size_t count = links.size();
        list.appendAll(std::move(links), origin);
        links.clear();
        return count;
    }
    const auto at = [&links](std::size_t index) {
        return std::make_move_iterator(links.begin() + static_cast<std::ptrdiff_t>(index));
    };
    const std::size_t end = std::min(links.size(), from + kAppendedPerSlice);
    list.appendAll(std::vector<std::string>(at(from), at(end)), origin);
    return end;
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
