#include "core/extract/ParseHtmlScan.h"

#include <utility>

namespace harvex2::core {

namespace {
// Pieces read ahead of the window's thread: enough to keep the reader busy, few enough
// that a slow list does not pile up the file's links in memory twice.
constexpr std::size_t kPiecesAhead = 8;
} // namespace

// Hands on what was read at the end of every piece of the file.
class ParseHtmlScan::Reporter final : public ScanStats {
public:
    Reporter(ParseHtmlScan& scan, std::vector<std::string>& links) : scan_(scan), links_(links) {}

    void UpdateStats(ScanEvent event, const ScanCounters& counters) override {
        if (event != ScanEvent::Characters) {
            return;
        }
        Piece piece;
        piece.counters = counters;
        if (!scan_.holdToEnd_) {
            piece.links = std::exchange(links_, {});
        }
        scan_.hand(std::move(piece));
    }

private:
    ParseHtmlScan& scan_;
    std::vector<std::string>& links_;
};

class ParseHtmlScan::StoppableSource final : public ByteSource {
public:
    StoppableSource(ByteSource& source, const std::atomic<bool>& stopping)
        : source_(source), stopping_(stopping) {}

    std::size_t read(char* buffer, std::size_t capacity) override {
        return stopping_.load() ? 0 : source_.read(buffer, capacity);
    }

private:
    ByteSource& source_;
    const std::atomic<bool>& stopping_;
};

ParseHtmlScan::ParseHtmlScan(std::unique_ptr<HtmlFile> file, const SettingsRecord& settings,
                             bool holdToEnd)
    : file_(std::move(file)), settings_(settings), holdToEnd_(holdToEnd),
      worker_([this] { read(); }) {}

ParseHtmlScan::~ParseHtmlScan() {
    stop();
    worker_.join();
}

void ParseHtmlScan::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
}

std::optional<ParseHtmlScan::Piece> ParseHtmlScan::next(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, wait, [this] { return !pieces_.empty(); })) {
        return std::nullopt;
    }
    Piece piece = std::move(pieces_.front());
    pieces_.pop_front();
    lock.unlock();
    changed_.notify_all();
    return piece;
}

void ParseHtmlScan::read() {
    std::vector<std::string> links;
    Reporter reporter(*this, links);
    LinkFinder finder(
        ReadingChoice::of(settings_), switches_,
        [&links](std::string_view link) { links.emplace_back(link); }, &reporter);
    StoppableSource source(*file_, stopping_);
    Piece last;
    last.counters = finder.scan(source);
    last.last = true;
    last.address = finder.resolvingAddress();
    if (!last.address.empty()) {
        LinkFinder::resolveAll(last.address, links);
    }
    last.links = std::move(links);
    hand(std::move(last));
}

void ParseHtmlScan::hand(Piece piece) {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return pieces_.size() < kPiecesAhead || stopping_; });
        pieces_.push_back(std::move(piece));
    }
    changed_.notify_all();
}

} // namespace harvex2::core
