#include "core/extract/ReadBuffer.h"

#include <new>

namespace harvex2::core {

namespace {
// The smallest page size in use; larger pages are multiples of it.
constexpr std::align_val_t kPageAlignment{4096};
} // namespace

ReadBuffer::ReadBuffer(std::size_t size)
    : data_(static_cast<char*>(::operator new(size, kPageAlignment))), size_(size) {}

void ReadBuffer::Release::operator()(char* block) const {
    ::operator delete(block, kPageAlignment);
}

} // namespace harvex2::core
