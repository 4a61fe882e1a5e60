#pragma once

#include "core/extract/NameBuffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace harvex2::core {

// Finds where the content of an element that HTML5 reads as text ends: the end tag of the
// same name, as the tokenizer's text states find it, with a script's escaped and
// double-escaped runs (`<!-- <script> ... </script> -->`) taken into account. Nothing
// inside is markup, so no link can come from it. noscript is not one of these elements:
// it is read as markup, as a browser does with scripts off.
class RawTextEnd {
public:
    enum class Kind {
        Text,     // style, xmp, iframe, noembed, noframes, textarea, title
        Script,   // script
        Plaintext // plaintext: the rest of the input
    };

    // Begins the text of the element `name` and returns true when it is one read as text.
    // Inline: every start tag is asked, and the first letter and the length rule out most.
    bool beginIfText(const NameBuffer& name) {
        const std::string_view whole = name.view();
        return !whole.empty() &&
               (kLengthsByLetter[static_cast<unsigned char>(whole[0])] & (1u << whole.size())) !=
                   0 &&
               beginIfNamed(name);
    }

    // The byte after a matching "</name" (whitespace, "/" or ">", which the caller reads
    // next as part of the end tag), or `end` when the text goes on past it.
    const char* find(const char* p, const char* end);

private:
    // For each first letter, the lengths of the names that begin with it.
    static const std::array<std::uint16_t, 256> kLengthsByLetter;

    bool beginIfNamed(const NameBuffer& name);

    enum class State {
        Text,
        LessThan,
        EndTagName,
        EscapeStart,
        EscapeStartDash,
        Escaped,
        EscapedDash,
        EscapedDashDash,
        EscapedLessThan,
        EscapedEndTagName,
        DoubleEscapeStart,
        DoubleEscaped,
        DoubleEscapedDash,
        DoubleEscapedDashDash,
        DoubleEscapedLessThan,
        DoubleEscapeEnd
    };

    // A name read letter by letter against the one wanted, whatever case it is in.
    struct NameMatch {
        std::string_view wanted;
        std::size_t matched = 0;
        bool differs = false;
        void restart() { matched = 0, differs = false; }
        void add(char letter);
        bool complete() const { return !differs && matched == wanted.size(); }
    };

    enum class Outcome { Consumed, Reconsume, EndFound };

    Outcome step(char c);
    Outcome stepDashes(char c, State base, State lessThan);
    Outcome stepEscaped(char c);
    Outcome stepDoubleEscaped(char c);
    // A letter of an end tag name, or the byte after it; `fallback` is the state to go on
    // in when the tag is not the wanted one.
    Outcome stepEndTagName(char c, State fallback);
    // A letter of the name after "<" or "</" in a script's escaped text.
    Outcome stepEscapeName(char c, State onScript, State otherwise);
    Outcome moveTo(State state);
    Outcome reconsumeIn(State state);

    Kind kind_ = Kind::Text;
    State state_ = State::Text;
    NameMatch endTag_;
    NameMatch scriptName_{"script"};
};

} // namespace harvex2::core
