#include "support/core/ParseAtOnce.h"

namespace harvex2::test {

namespace {
struct Unwatched final : core::ParseHtmlObserver {
    void progressed(const core::ScanCounters&) override {}
    void ended(const core::ScanCounters&, bool) override {}
};
} // namespace

bool parseAtOnce(const std::string& path, const core::SettingsRecord& settings,
                 core::LinkList& links, platform::Prompts& prompts,
                 platform::StatusBar& statusBar) {
    Unwatched observer;
    const auto run = core::ParseHtmlRun::start(path, settings, links, observer, prompts, statusBar);
    if (!run) {
        return false;
    }
    while (run->advance()) {
    }
    return true;
}

} // namespace harvex2::test
