#include "core/listfiles/LinkListRecord.h"

#include <algorithm>
#include <cstring>

namespace harvex2::core {

void LinkListRecord::append(std::string& out, std::string_view text, bool checked) {
    const std::size_t start = out.size();
    out.resize(start + kSize);
    fill(out.data() + start, text, checked);
}

void LinkListRecord::fill(char* record, std::string_view text, bool checked) {
    std::size_t length = std::min(text.size(), kTextSize);
    record[0] = checked ? '\1' : '\0';
    record[1] = static_cast<char>(static_cast<unsigned char>(length));
    // Knowing the length is at most 128, the compiler copies with a string instruction
    // whose start-up costs more than a whole short link; hiding the bound gets memcpy,
    // and a save of a million entries a tenth faster.
    asm("" : "+r"(length));
    if (length > 0) {
        std::memcpy(record + 2, text.data(), length);
    }
}

LinkListRecord::Fields LinkListRecord::decode(std::string_view record) {
    const auto length = std::min<std::size_t>(static_cast<unsigned char>(record[1]), kTextSize);
    return {record.substr(2, length), record[0] != '\0'};
}

bool LinkListRecord::couldBeHeader(std::string_view bytes) {
    for (std::size_t start = 0; start < bytes.size(); start += kSize) {
        const std::string_view record = bytes.substr(start, kSize);
        if (record[0] != '\0' && record[0] != '\1') {
            return false;
        }
        if (record.size() > 1 && static_cast<unsigned char>(record[1]) > kTextSize) {
            return false;
        }
    }
    if (bytes.size() < 2) {
        return true;
    }
    const std::string_view format = bytes.substr(2, static_cast<unsigned char>(bytes[1]));
    return std::all_of(format.begin(), format.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace harvex2::core
