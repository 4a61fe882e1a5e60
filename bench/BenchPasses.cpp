#include "BenchPasses.h"

#include "core/extract/HtmlFile.h"
#include "core/extract/LinkScanner.h"
#include "core/extract/ReadBuffer.h"

#include <cstring>

namespace harvex2::bench {

namespace {

template <typename Visit> void eachPiece(const std::string& path, Visit visit) {
    core::HtmlFile file(path);
    core::ReadBuffer buffer(core::LinkScanner::kBufferSize);
    while (const std::size_t count = file.read(buffer.data(), buffer.size())) {
        visit(buffer.data(), buffer.data() + count);
    }
}

} // namespace

std::int64_t plainRead(const std::string& path) {
    std::int64_t bytes = 0;
    eachPiece(path, [&](const char* begin, const char* end) { bytes += end - begin; });
    return bytes;
}

std::int64_t memchrPass(const std::string& path) {
    std::int64_t tags = 0;
    eachPiece(path, [&](const char* p, const char* end) {
        while (const void* hit = std::memchr(p, '<', static_cast<std::size_t>(end - p))) {
            ++tags;
            p = static_cast<const char*>(hit) + 1;
        }
    });
    return tags;
}

} // namespace harvex2::bench
