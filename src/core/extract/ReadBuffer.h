#pragma once

#include <cstddef>
#include <memory>

namespace harvex2::core {

// A block to read a file into that starts on a memory page. The system copies a read
// into such a block two to three times as fast as into one a few bytes past a page
// boundary, which is where a plain allocation of a large block lands.
class ReadBuffer {
public:
    explicit ReadBuffer(std::size_t size);

    char* data() { return data_.get(); }
    std::size_t size() const { return size_; }

private:
    struct Release {
        void operator()(char* block) const;
    };

    std::unique_ptr<char, Release> data_;
    std::size_t size_;
};

} // namespace harvex2::core
