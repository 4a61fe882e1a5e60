#include "core/listfiles/LinkListLoader.h"

#include "core/listfiles/LinkListLoadRun.h"
#include "platform/IoError.h"

#include <memory>
#include <optional>

namespace harvex2::core {

namespace {

class Watch final : public ListFileObserver {
public:
    explicit Watch(const LinkListLoader::Progress& progress) : progress_(progress) {}
    void progressed(std::size_t entries) override {
        if (progress_) {
            progress_(entries);
        }
    }
    void failed(const platform::IoError& error) override { failure.emplace(error); }

    std::optional<platform::IoError> failure;

private:
    const LinkListLoader::Progress& progress_;
};

} // namespace

LinkListLoader::LinkListLoader(LinkList& links, ListFileBoxes& boxes)
    : links_(links), boxes_(boxes) {}

void LinkListLoader::load(const std::string& path, const Progress& progress) {
    auto reader = std::make_unique<LinkListFileReader>(path);
    const LinkListFileReader::Header header = reader->header();
    Watch watch(progress);
    LinkListLoadRun run(std::move(reader), header, links_, boxes_, watch);
    while (run.advance()) {
    }
    if (watch.failure) {
        throw *watch.failure;
    }
}

} // namespace harvex2::core
