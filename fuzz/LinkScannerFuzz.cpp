// Arbitrary bytes through the link scanner: it must agree with the obvious one-character-
// at-a-time reading of the rules, whatever the switches and however the input is cut into
// reads, and its counters must add up. Every kept link also goes through the base URL rule.
#include "ReferenceScanner.h"
#include "core/extract/BaseUrl.h"
#include "core/extract/LinkScanner.h"
#include "core/extract/MemorySource.h"
#include "core/extract/SettingsSwitches.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace harvex2;

// Checks what the scanner reports while it runs.
struct Reports final : core::ScanStats {
    core::ScanCounters last;
    int finished = 0;
    void UpdateStats(core::ScanEvent event, const core::ScanCounters& counters) override {
        check(finished == 0);
        check(counters.characters >= last.characters);
        check(counters.linksFound + counters.linksIgnored >= last.linksFound + last.linksIgnored);
        last = counters;
        finished += event == core::ScanEvent::Finished ? 1 : 0;
    }
    static void check(bool holds) {
        if (!holds) {
            std::abort();
        }
    }
};

struct Scan {
    std::vector<std::string> links;
    core::ScanCounters counters;
};

// One scanner for the whole run, as a program reuses it from file to file, reading the
// switches from the settings as it goes: every scan must start afresh.
class Harness {
public:
    core::SettingsRecord settings;

    Scan scan(std::string_view input, std::size_t pieceSize) {
        result_ = {};
        reports_ = {};
        core::MemorySource source(input, pieceSize);
        result_.counters = scanner_.scan(source);
        Reports::check(reports_.finished == 1 && reports_.last == result_.counters);
        return std::move(result_);
    }

private:
    core::SettingsSwitches switches_{settings};
    Scan result_;
    Reports reports_;
    core::LinkScanner scanner_{
        switches_, [this](std::string_view link) { result_.links.emplace_back(link); }, &reports_};
};

void checkBaseUrl(std::string_view base, const std::string& link) {
    const std::string full = core::BaseUrl::resolve(base, link);
    if (base.empty() || core::BaseUrl::isAbsolute(link)) {
        Reports::check(full == link);
        return;
    }
    const bool dropped = base.back() == '/' && !link.empty() && link.front() == '/';
    Reports::check(full.size() == base.size() + link.size() - (dropped ? 1 : 0));
    Reports::check(std::string_view(full).substr(0, base.size()) == base);
    Reports::check(std::string_view(full).substr(base.size()) ==
                   std::string_view(link).substr(dropped ? 1 : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the switches (bits 0-2) and the size of each read (bits 3-7).
    const std::uint8_t control = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    static Harness harness;
    core::SettingsRecord& settings = harness.settings;
    settings.ignoreMailTo = (control & 1) != 0;
    settings.ignoreBookmarks = (control & 2) != 0;
    settings.qLinks = (control & 4) != 0;

    const Scan whole = harness.scan(input, SIZE_MAX);
    const Scan pieces = harness.scan(input, 1 + (control >> 3));
    Reports::check(pieces.links == whole.links && pieces.counters == whole.counters);

    const fuzz::ReferenceResult expected = fuzz::referenceScan(
        input, settings.ignoreMailTo, settings.ignoreBookmarks, settings.qLinks);
    Reports::check(whole.links == expected.kept);
    Reports::check(whole.counters.linksIgnored == expected.ignored);
    Reports::check(whole.counters.characters == expected.characters);
    Reports::check(whole.counters.linksFound == static_cast<std::int64_t>(whole.links.size()));

    for (const std::string& link : whole.links) {
        checkBaseUrl("http://site/dir/", link);
        checkBaseUrl("http://", link);
        checkBaseUrl("", link);
        checkBaseUrl(input.substr(0, input.size() % 16), link);
    }
    return 0;
}
