#pragma once

#include "core/extract/BlockFinder.h"
#include "core/extract/HtmlBytes.h"
#include "core/extract/HtmlComment.h"
#include "core/extract/NameBuffer.h"
#include "core/extract/RawTextEnd.h"
#include "core/extract/TagAttributes.h"
#include "core/extract/TagSink.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace harvex2::core {

// The part of the HTML5 tokenizer that decides which bytes are tags and which attribute
// values they hold: tags, attributes with double-quoted, single-quoted and unquoted values,
// comments, declarations, and the elements whose content is text. Input comes in pieces of
// any size; only the values of wanted attributes are copied, so memory grows with the
// value being read, never with the document.
//
// A tag that the input ends in is still reported, with the value it ends in running to the
// end: a page cut short keeps the link it was cut in.
class HtmlTokenizer {
public:
    explicit HtmlTokenizer(TagSink& sink) : sink_(sink) {}

    // `attributes` is a set of bitOf(LinkAttribute); `comments` asks for the comments.
    // Applies from the next tag on.
    void want(std::uint16_t attributes, bool comments);
    // Forgets everything read: the next piece is the beginning of a document.
    void reset();
    void feed(const char* p, const char* end);
    // The end of the input.
    void finish();

private:
    enum class State {
        Data,
        TagOpen,
        EndTagOpen,
        TagName,
        BeforeAttributeName,
        AttributeName,
        AfterAttributeName,
        BeforeAttributeValue,
        DoubleQuoted,
        SingleQuoted,
        Unquoted,
        AfterQuotedValue,
        SelfClosing,
        MarkupOpen,
        MarkupDash,
        Comment, // also a declaration
        RawText
    };

    const char* step(const char* p, const char* end);
    const char* data(const char* p, const char* end);
    const char* tagOpen(const char* p, const char* end);
    const char* wholeTag(const char* start, const char* end);
    const char* wholeValue(const char* p, const char* end);
    const char* stepTag(const char* p, const char* end);
    const char* stepValue(const char* p, const char* end);
    const char* stepMarkup(const char* p, const char* end);
    const char* tagName(const char* p, const char* end);
    const char* attributeName(const char* p, const char* end);
    const char* quotedValue(const char* p, const char* end, char quote);
    const char* unquotedValue(const char* p, const char* end);

    // The first byte of [p, end) that is one of `Which`, found a block at a time.
    template <std::uint8_t Which>
    [[gnu::always_inline]] const char* findStop(const char* p, const char* end) {
        while ((p = finders_.stops.next(p, end)) != end && !html::stops(*p, Which)) {
            ++p;
        }
        return p;
    }

    void beginTag(bool endTag);
    void endAttributeName();
    void emitTag();
    void endComment();

    // The bytes the states of whole tags look for, in the piece being fed.
    struct Finders {
        BlockFinder<html::LessThan> lessThan;
        BlockFinder<html::StopCandidate> stops;
        BlockFinder<html::DoubleQuote> doubleQuote;
        BlockFinder<html::SingleQuote> singleQuote;
    };

    TagSink& sink_;
    Finders finders_;
    bool wantComments_ = false;

    State state_ = State::Data;
    RawTextEnd rawText_;

    // The tag being read.
    bool endTag_ = false;
    NameBuffer name_;
    NameBuffer attribute_;
    TagAttributes attributes_;

    HtmlComment comment_;
};

} // namespace harvex2::core
