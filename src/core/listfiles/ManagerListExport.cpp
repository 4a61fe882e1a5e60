#include "core/listfiles/ManagerListExport.h"

#include "core/extract/BaseUrl.h"
#include "core/listfiles/ManagerListLine.h"
#include "core/shell/LinkList.h"
#include "platform/posix/ReplacingFile.h"

namespace harvex2::core {

namespace {

constexpr std::size_t kRefusalsShown = 10;

bool takes(SaveScope scope, bool checked) {
    return scope == SaveScope::All || (scope == SaveScope::Selected) == checked;
}

} // namespace

ManagerListExport::ManagerListExport(const LinkList& links, Options options)
    : links_(links), options_(std::move(options)),
      naming_({options_.mask, options_.referrer, options_.baseUrl, options_.date,
               countTaken(links, options_.scope)},
              UniqueNames()) {}

std::size_t ManagerListExport::countTaken(const LinkList& links, SaveScope scope) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < links.count(); ++i) {
        count += takes(scope, links.checkedAt(i)) ? 1u : 0u;
    }
    return count;
}

void ManagerListExport::appendEntry(std::string& out, std::size_t index) {
    if (!takes(options_.scope, links_.checkedAt(index))) {
        return;
    }
    const std::string url = BaseUrl::resolve(options_.baseUrl, links_.textAt(index));
    const EntryId id = links_.idAt(index);
    const LinkNaming::Named named =
        naming_.next({url, links_.originAt(index), links_.details().fileNames.find(id),
                      links_.details().counters.find(id)});
    const std::optional<std::string> refused = ManagerListLine::append(
        out, options_.format,
        {url, named.name, options_.dir, named.referrer, links_.checkedAt(index)});
    if (refused) {
        refusals_.push_back("link " + std::to_string(index + 1) + ": " + *refused);
    }
}

void ManagerListExport::write(platform::ReplacingFile& out) {
    std::string bytes;
    for (std::size_t i = 0; i < links_.count(); ++i) {
        appendEntry(bytes, i);
        if (bytes.size() >= (1 << 16)) {
            out.write(bytes);
            bytes.clear();
        }
    }
    out.write(bytes);
}

std::string ManagerListExport::refusalMessage() const {
    if (refusals_.empty()) {
        return {};
    }
    std::string message = refusals_.size() == 1
                              ? std::string("1 link was not written:")
                              : std::to_string(refusals_.size()) + " links were not written:";
    for (std::size_t i = 0; i < refusals_.size() && i < kRefusalsShown; ++i) {
        message += "\n" + refusals_[i];
    }
    if (refusals_.size() > kRefusalsShown) {
        message += "\n...";
    }
    return message;
}

} // namespace harvex2::core
