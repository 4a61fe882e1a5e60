#pragma once

#include "core/extract/ByteSource.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace harvex2::core {

// Finds the web and FTP links written in plain text: a chat message, an e-mail, a text
// file. `http://`, `https://` and `ftp://` links, and `www.` hosts given as `http://` ones.
// A link ends at a blank, a control character, `<`, `>`, `"`, `` ` ``, a Unicode space or
// CJK and full-width punctuation; trailing sentence punctuation is left out, and a `)` or
// `]` only belongs to a link that opened it. `[/url]` and `[/img]` end a link, and the
// value of `[url=...]` ends at its `]`. Every other byte, `$` and non-ASCII letters
// included, is kept exactly.
//
// One forward pass, which jumps from one `://` or `www.` to the next, 64 bytes a turn.
class TextLinks {
public:
    // Receives each link found; the text is only valid during the call.
    using Destination = std::function<void(std::string_view link)>;

    explicit TextLinks(Destination destination);

    // The links of one whole text; returns how many were found.
    std::size_t find(std::string_view text);

    // The links of a source read a piece at a time; returns how many were found. Memory
    // grows only with the longest run of bytes without a blank.
    std::size_t scan(ByteSource& source);

private:
    Destination destination_;
    std::string withScheme_;
};

} // namespace harvex2::core
