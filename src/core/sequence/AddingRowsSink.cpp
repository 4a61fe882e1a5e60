#include "core/sequence/AddingRowsSink.h"

#include "core/handoff/DownloadTarget.h"

namespace harvex2::core {

void AddingRowsSink::append(std::string_view url) {
    std::string target = DownloadTarget::forLink(downloadDir_, url);
    if (target.empty()) {
        target = " ";
    }
    rows_.append(std::string(url), std::move(target), std::nullopt);
}

} // namespace harvex2::core
