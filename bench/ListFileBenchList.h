#pragma once

#include "core/listfiles/ListHeader.h"

#include <cstddef>
#include <string>

namespace harvex2::core {
class LinkList;
}

namespace harvex2::bench {

constexpr std::size_t kEntries = 1'000'000;

inline const core::ListHeader kHeader("http://www.example.com/", "/home/user/downloads");

// The path of `name` in the bench's own temporary folder.
std::string benchFile(const char* name);
std::string fileText(const std::string& path);

// A million links of about 50 bytes, every third checked, with some of every kind a
// record holds: empty, exactly 128 bytes, longer and cut, any byte value.
const core::LinkList& bigList();
// The file of bigList() under kHeader, spelled out record by record apart from the writer.
const std::string& listFileBytes();
// Whether `loaded` is `saved` as its records keep it: each text cut to 128 bytes, each
// state as it was.
bool sameAsRecords(const core::LinkList& saved, const core::LinkList& loaded);

} // namespace harvex2::bench
