#include "core/extract/MultipleParse.h"

#include "core/extract/BaseUrl.h"
#include "core/extract/ParseHtml.h"

#include <algorithm>
#include <utility>

namespace harvex2::core {

namespace {
constexpr const char* kNeedBase = "Error: one or more links require a Base URL";
// Links joined to the base in one slice.
constexpr std::size_t kResolvedPerSlice = 16 * 1024;
} // namespace

class MultipleParse::Slices final : public SlicedRun {
public:
    explicit Slices(MultipleParse& parse) : parse_(parse) {}
    bool advance() override { return parse_.advance(); }
    void cancel() override { parse_.cancel(); }

private:
    MultipleParse& parse_;
};

MultipleParse::MultipleParse(const SettingsRecord& settings, LinkList& links,
                             platform::Prompts& prompts, MultipleParseView& view,
                             std::vector<std::string> files, BaseUrlMethod method)
    : settings_(settings), links_(links), prompts_(prompts), view_(view), files_(std::move(files)),
      method_(method) {}

MultipleParse::~MultipleParse() = default;

std::unique_ptr<SlicedRun> MultipleParse::slices() {
    return std::make_unique<Slices>(*this);
}

void MultipleParse::cancel() {
    cancelled_ = true;
    if (scan_) {
        scan_->stop();
    }
}

bool MultipleParse::advance() {
    if (!std::exchange(started_, true)) {
        view_.runStarted();
    }
    // A file being added is finished first: its links go in whole or not at all.
    if (cancelled_ && stage_ != Stage::Adding) {
        return stop();
    }
    switch (stage_) {
    case Stage::NextFile:
        return startFile();
    case Stage::Reading:
        return read();
    case Stage::Resolving:
        return resolve();
    case Stage::Adding:
        return add();
    case Stage::Completed:
    case Stage::Stopped:
        break;
    }
    return false;
}

bool MultipleParse::startFile() {
    if (file_ == files_.size()) {
        view_.runFinished();
        stage_ = Stage::Completed;
        return false;
    }
    const std::string& path = files_[file_];
    view_.fileStarted(path);
    view_.showStep(MultipleStep::ReadingLinks);
    staging_.clear();
    address_.clear();
    auto file = std::make_unique<HtmlFile>(path);
    if (!file->isOpen()) {
        if (skipOpenErrors_) {
            return resolveNext();
        }
        openError_ = file->error();
        question_ = Question::OpenError;
        return false;
    }
    scan_.emplace(std::move(file), settings_, true);
    stage_ = Stage::Reading;
    return true;
}

bool MultipleParse::read() {
    std::optional<ParseHtmlScan::Piece> piece = scan_->next(ParseHtmlRun::kWait);
    if (!piece || !piece->last) {
        return true;
    }
    staging_ = std::move(piece->links);
    address_ = std::move(piece->address);
    scan_.reset();
    return resolveNext();
}

bool MultipleParse::resolveNext() {
    view_.showStep(MultipleStep::ResolvingUrls);
    stage_ = Stage::Resolving;
    done_ = 0;
    base_.reset();
    // Asked for every file, also one that has no relative link or could not be read, but
    // not for one whose links its own address has resolved.
    if (method_ == BaseUrlMethod::EachFile && address_.empty()) {
        question_ = Question::BaseUrl;
        return false;
    }
    return true;
}

bool MultipleParse::resolve() {
    if (!base_) {
        // Nothing can change the field while a file is resolved, so one reading serves it.
        base_ = view_.baseUrl();
    }
    const std::size_t end = std::min(staging_.size(), done_ + kResolvedPerSlice);
    for (; done_ < end; ++done_) {
        std::string& link = staging_[done_];
        if (BaseUrl::isAbsolute(link)) {
            continue;
        }
        if (base_->empty()) {
            question_ = Question::NeedBase;
            return false;
        }
        link = BaseUrl::join(*base_, link);
    }
    if (done_ < staging_.size()) {
        return true;
    }
    view_.showStep(MultipleStep::AddLinks);
    stage_ = Stage::Adding;
    done_ = 0;
    return true;
}

bool MultipleParse::add() {
    done_ = appendPart(links_, staging_, done_, address_);
    if (done_ < staging_.size()) {
        return true;
    }
    view_.showStep(MultipleStep::None);
    view_.fileFinished(++file_);
    stage_ = Stage::NextFile;
    return true;
}

bool MultipleParse::stop() {
    scan_.reset();
    view_.runStopped();
    stage_ = Stage::Stopped;
    return false;
}

template <class Then> auto MultipleParse::whileAlive(Then then) const {
    return [alive = std::weak_ptr<int>(alive_), then = std::move(then)](auto... answer) {
        if (!alive.expired()) {
            then(answer...);
        }
    };
}

void MultipleParse::ask(Answered answered) {
    switch (std::exchange(question_, Question::None)) {
    case Question::OpenError:
        prompts_.ask(openErrorRequest(),
                     whileAlive([this, answered](platform::MessageButton answer) {
                         skipOpenErrors_ = answer == platform::MessageButton::SkipRemainingErrors;
                         // The next file's base may be the next question.
                         resolveNext();
                         ask(answered);
                     }));
        return;
    case Question::BaseUrl:
        view_.askBaseUrl(files_[file_], whileAlive([this, answered] { answered(goesOn()); }));
        return;
    case Question::NeedBase:
        prompts_.reportThen({platform::FailureKind::Stated, kNeedBase},
                            whileAlive([this, answered] { answered(stop()); }));
        return;
    case Question::None:
        answered(goesOn());
        return;
    }
}

bool MultipleParse::goesOn() const {
    return stage_ != Stage::Completed && stage_ != Stage::Stopped;
}

// A folder of many unreadable files would otherwise ask for one click each.
platform::MessageRequest MultipleParse::openErrorRequest() {
    std::vector<platform::MessageButton> buttons{platform::MessageButton::Ok};
    if (++openErrorsShown_ > 1) {
        buttons.push_back(platform::MessageButton::SkipRemainingErrors);
    }
    return {platform::MessageIcon::Error, "Harvex2", ParseHTMLFileError(files_[file_], openError_),
            std::move(buttons)};
}

} // namespace harvex2::core
