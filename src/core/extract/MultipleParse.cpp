#include "core/extract/MultipleParse.h"

#include "core/extract/BaseUrl.h"
#include "core/extract/ParseHtml.h"

#include <utility>

namespace harvex2::core {

namespace {
constexpr const char* kNeedBase = "Error: one or more links require a Base URL";
}

MultipleParse::MultipleParse(const ReadingChoice& choice, const IgnoreSwitches& switches,
                             LinkList& links, platform::Prompts& prompts, MultipleParseView& view)
    : choice_(choice), switches_(switches), links_(links), prompts_(prompts), view_(view) {}

bool MultipleParse::ParseMany(const std::vector<std::string>& files, BaseUrlMethod method) {
    openErrorsShown_ = 0;
    skipOpenErrors_ = false;
    view_.runStarted();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!parseFile(files[i], method)) {
            view_.runStopped();
            return false;
        }
        view_.fileFinished(i + 1);
    }
    view_.runFinished();
    return true;
}

bool MultipleParse::parseFile(const std::string& path, BaseUrlMethod method) {
    view_.fileStarted(path);
    view_.showStep(MultipleStep::ReadingLinks);
    std::vector<std::string> staging;
    std::string address;
    if (const int error = ParseHTMLFile(path, choice_, switches_, staging, address)) {
        reportOpenError(path, error);
    }

    view_.showStep(MultipleStep::ResolvingUrls);
    // Asked for every file, also one that has no relative link or could not be read, but
    // not for one whose links its own address has resolved.
    if (method == BaseUrlMethod::EachFile && address.empty()) {
        view_.askBaseUrl(path);
    }
    if (!resolve(staging)) {
        prompts_.message(
            {platform::MessageIcon::Error, "Harvex2", kNeedBase, {platform::MessageButton::Ok}});
        return false;
    }

    view_.showStep(MultipleStep::AddLinks);
    links_.appendAll(std::move(staging), address);
    view_.showStep(MultipleStep::None);
    return true;
}

// A folder of many unreadable files would otherwise ask for one click each.
void MultipleParse::reportOpenError(const std::string& path, int error) {
    if (skipOpenErrors_) {
        return;
    }
    std::vector<platform::MessageButton> buttons{platform::MessageButton::Ok};
    if (++openErrorsShown_ > 1) {
        buttons.push_back(platform::MessageButton::SkipRemainingErrors);
    }
    skipOpenErrors_ =
        prompts_.message({platform::MessageIcon::Error, "Harvex2", ParseHTMLFileError(path, error),
                          std::move(buttons)}) == platform::MessageButton::SkipRemainingErrors;
}

bool MultipleParse::resolve(std::vector<std::string>& staging) {
    // Nothing can change the field while a file is resolved, so one reading serves it.
    const std::string base = view_.baseUrl();
    for (std::string& link : staging) {
        if (BaseUrl::isAbsolute(link)) {
            continue;
        }
        if (base.empty()) {
            return false;
        }
        link = BaseUrl::join(base, link);
    }
    return true;
}

} // namespace harvex2::core
