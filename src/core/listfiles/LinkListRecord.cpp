#include "core/listfiles/LinkListRecord.h"

#include <algorithm>

namespace harvex2::core {

void LinkListRecord::append(std::string& out, std::string_view text, bool checked) {
    const std::size_t length = std::min(text.size(), kTextSize);
    out.push_back(checked ? '\1' : '\0');
    out.push_back(static_cast<char>(static_cast<unsigned char>(length)));
    out.append(text.substr(0, length));
    out.append(kTextSize - length, '\0');
}

LinkListRecord::Fields LinkListRecord::decode(std::string_view record) {
    const auto length = std::min<std::size_t>(static_cast<unsigned char>(record[1]), kTextSize);
    return {record.substr(2, length), record[0] != '\0'};
}

} // namespace harvex2::core
