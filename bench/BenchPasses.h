#pragma once

#include <cstdint>
#include <string>

namespace harvex2::bench {

// The baselines the scanner is measured against, each one pass over a file through a
// buffer of the scanner's size.

// Reads the file and does nothing with it; returns the bytes read.
std::int64_t plainRead(const std::string& path);
// Reads the file and counts its "<" with memchr; returns the count.
std::int64_t memchrPass(const std::string& path);

} // namespace harvex2::bench
