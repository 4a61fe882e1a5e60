#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::core {

// A comment or a declaration after "<!" or "<?", read up to where HTML5 ends it: "-->",
// "--!>", or the ">" of "<!-->" and "<!--->" for a comment; the first ">" for any other
// ("<!DOCTYPE", "<![CDATA[", "<?xml"), whatever quotes it holds.
class HtmlComment {
public:
    static constexpr std::size_t kKeptLimit = 10240;

    // `declaration` is anything but a "<!--" comment; `keep` keeps the comment's first
    // kKeptLimit bytes.
    void begin(bool declaration, bool keep);
    // The byte after the end, or `end` when the comment goes on.
    const char* read(const char* p, const char* end);
    bool ended() const { return ended_; }

    bool isDeclaration() const { return state_ == State::Declaration; }
    // The comment's beginning, with the dashes of its end when they were within the limit.
    std::string_view text() const { return text_; }

private:
    enum class State { Declaration, Start, StartDash, Text, EndDash, End, EndBang };

    const char* readText(const char* p, const char* end);
    void keep(const char* p, const char* end);

    State state_ = State::Text;
    bool keep_ = false;
    bool ended_ = false;
    std::string text_;
};

} // namespace harvex2::core
