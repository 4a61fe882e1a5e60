#pragma once

#include "core/sequence/GlobTemplate.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace harvex2::core {

// Reads a bracket template the way curl 7.88 reads a URL, refusing what curl refuses with
// curl's own reasons. Positions are where reading stopped, counted in bytes from 1.
class GlobParser {
public:
    explicit GlobParser(std::string_view text) : text_(text) {}

    // Throws GlobError.
    GlobTemplate parse();

private:
    // A number as strtoul reads one: `end` is where it stopped, `from` when no digit.
    struct Unsigned {
        std::uint64_t value = 0;
        std::size_t end = 0;
        bool overflow = false;
    };

    std::string readText();
    void readRange();
    void readLetters();
    void readNumbers();
    void readList();
    void addCounter(GlobGroup group);
    Unsigned readUnsigned(std::size_t from) const;
    char peek(std::size_t at) const { return at < text_.size() ? text_[at] : '\0'; }
    [[noreturn]] static void fail(const char* reason, std::size_t at);

    std::string_view text_;
    std::size_t at_ = 0;
    GlobTemplate result_;
};

} // namespace harvex2::core
