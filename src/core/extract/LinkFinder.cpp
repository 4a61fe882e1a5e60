#include "core/extract/LinkFinder.h"

#include "core/extract/UriReference.h"

namespace harvex2::core {

LinkFinder::LinkFinder(const ReadingChoice& choice, const IgnoreSwitches& switches,
                       Destination destination, ScanStats* stats)
    : resolve_(choice.resolvePageLinks && !choice.quickScan) {
    if (choice.quickScan) {
        quick_.emplace(switches, std::move(destination), stats);
    } else {
        full_.emplace(switches, choice.mediaSources, std::move(destination), stats);
    }
}

ScanCounters LinkFinder::scan(ByteSource& source) {
    return quick_ ? quick_->scan(source) : full_->scan(source);
}

std::string LinkFinder::resolvingAddress() const {
    return resolve_ ? full_->pageAddress() : std::string();
}

void LinkFinder::resolveAll(const std::string& address, std::vector<std::string>& links,
                            std::size_t first) {
    for (std::size_t i = first; i < links.size(); ++i) {
        if (UriReference::schemeLength(links[i]) == 0) {
            links[i] = UriReference::resolve(address, links[i]);
        }
    }
}

} // namespace harvex2::core
