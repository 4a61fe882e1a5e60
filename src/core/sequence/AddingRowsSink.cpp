#include "core/sequence/AddingRowsSink.h"

#include "core/handoff/DownloadTarget.h"

namespace harvex2::core {

void AddingRowsSink::append(std::string_view url) {
    rows_.append(std::string(url), DownloadTarget::placeFor(downloadDir_, url), std::nullopt);
}

} // namespace harvex2::core
