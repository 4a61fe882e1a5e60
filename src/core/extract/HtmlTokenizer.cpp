#include "core/extract/HtmlTokenizer.h"

#include "core/extract/HtmlBytes.h"

#include <cstring>
#include <string_view>

namespace harvex2::core {

void HtmlTokenizer::want(std::uint16_t attributes, bool comments) {
    attributes_.want(attributes);
    wantComments_ = comments;
}

void HtmlTokenizer::reset() {
    state_ = State::Data;
    attributes_.beginTag(false);
}

void HtmlTokenizer::feed(const char* p, const char* end) {
    finders_.lessThan.begin(p);
    finders_.stops.begin(p);
    finders_.doubleQuote.begin(p);
    finders_.singleQuote.begin(p);
    while (p != end) {
        p = state_ == State::Data ? data(p, end) : step(p, end);
    }
}

// Inlined into the loop over text and tags, which passes here for every tag.
[[gnu::always_inline]] inline const char* HtmlTokenizer::tagOpen(const char* p, const char* end) {
    if (state_ == State::TagOpen) {
        if (html::isAsciiLetter(*p)) {
            beginTag(false);
            return wholeTag(p, end);
        }
        if (*p == '!') {
            state_ = State::MarkupOpen;
            return p + 1;
        }
        if (*p != '/') {
            // "<?" opens a declaration; any other "<" is text.
            if (*p == '?') {
                comment_.begin(true, false);
            }
            state_ = *p == '?' ? State::Comment : State::Data;
            return p;
        }
        state_ = State::EndTagOpen;
        if (++p == end) {
            return p;
        }
    }
    if (html::isAsciiLetter(*p)) {
        // An end tag's name matters to no one: its attributes are dropped, and the text
        // elements find their own end. Most end tags are a name and ">".
        const char* stop = findStop<html::kTagName>(p, end);
        if (stop != end && *stop == '>') {
            state_ = State::Data;
            return stop + 1;
        }
        beginTag(true);
        return wholeTag(stop, end);
    }
    if (*p == '>') {
        state_ = State::Data;
        return p + 1;
    }
    // "</" before anything but a letter opens a declaration too.
    comment_.begin(true, false);
    state_ = State::Comment;
    return p;
}

// Text and the tags that lie whole in it, one after another without a turn through the
// states: on a page of links, most of the input.
const char* HtmlTokenizer::data(const char* p, const char* end) {
    while (state_ == State::Data) {
        p = finders_.lessThan.next(p, end);
        if (p == end) {
            return p;
        }
        state_ = State::TagOpen;
        if (++p == end) {
            return p;
        }
        p = tagOpen(p, end);
    }
    return p;
}

// Each state consumes what it can of [p, end) and returns where it stopped; a state that
// hands a byte on to the next one ("reconsume") returns without passing it.
const char* HtmlTokenizer::step(const char* p, const char* end) {
    switch (state_) {
    case State::Data:
        return data(p, end);
    case State::TagOpen:
    case State::EndTagOpen:
        return tagOpen(p, end);
    case State::RawText:
        p = rawText_.find(p, end);
        if (p != end) {
            // The end tag's name is read; what follows it is read as in any tag.
            beginTag(true);
        }
        return p;
    default:
        break;
    }
    // The markup states follow the tag states in State.
    return state_ >= State::MarkupOpen ? stepMarkup(p, end) : stepTag(p, end);
}

// A tag that lies whole in this piece, read as the tag states below read it, without going
// back to them for every part. A tag cut by the end of the piece is read again from its
// name by the states.
const char* HtmlTokenizer::wholeTag(const char* start, const char* end) {
    // An end tag comes here after its name; a start tag's name is kept.
    const char* p = start;
    if (!endTag_) {
        p = findStop<html::kTagName>(start, end);
        if (end - start >= 16) {
            name_.assignFromLongPiece(start, p);
        } else {
            name_.append(start, p);
        }
    }
    while (p != end) {
        // Before an attribute, a "/" counts as a blank unless a ">" follows it.
        p = html::skip(p, end, html::kSpace | html::kSlash);
        if (p == end) {
            break;
        }
        if (*p == '>') {
            emitTag();
            return p + 1;
        }
        // The first character of a name may be "=".
        const char* name = p;
        p = findStop<html::kAttributeName>(p + 1, end);
        if (p == end) {
            break;
        }
        attributes_.beginAttribute(std::string_view(name, static_cast<std::size_t>(p - name)));
        p = html::skip(p, end, html::kSpace);
        if (p == end || *p != '=') {
            continue;
        }
        p = html::skip(p + 1, end, html::kSpace);
        if (p != end && *p != '>') {
            p = wholeValue(p, end);
        }
    }
    beginTag(endTag_);
    return start;
}

// A value whole in this piece; `end` when it is not.
[[gnu::always_inline]] inline const char* HtmlTokenizer::wholeValue(const char* p,
                                                                    const char* end) {
    const bool quoted = *p == '"' || *p == '\'';
    const char* stop = *p == '"'    ? finders_.doubleQuote.next(p + 1, end)
                       : *p == '\'' ? finders_.singleQuote.next(p + 1, end)
                                    : findStop<html::kUnquoted>(p, end);
    if (stop == end) {
        return end;
    }
    attributes_.appendValue(quoted ? p + 1 : p, stop);
    attributes_.endValue();
    return quoted ? stop + 1 : stop;
}

const char* HtmlTokenizer::stepTag(const char* p, const char* end) {
    const char c = *p;
    switch (state_) {
    case State::TagName:
        return tagName(p, end);
    case State::BeforeAttributeName:
    case State::AfterAttributeName:
        if (html::isSpace(c)) {
            return p + 1;
        }
        if (c == '/') {
            state_ = State::SelfClosing;
        } else if (c == '>') {
            emitTag();
        } else if (c == '=' && state_ == State::AfterAttributeName) {
            state_ = State::BeforeAttributeValue;
        } else {
            // "=" before any name is the first character of one.
            attribute_.clear();
            attribute_.append(p, p + 1);
            state_ = State::AttributeName;
        }
        return p + 1;
    case State::AttributeName:
        return attributeName(p, end);
    case State::AfterQuotedValue:
    case State::SelfClosing:
        if (c == '>') {
            emitTag();
            return p + 1;
        }
        if (c == '/' && state_ == State::AfterQuotedValue) {
            state_ = State::SelfClosing;
            return p + 1;
        }
        state_ = State::BeforeAttributeName;
        return p;
    default:
        return stepValue(p, end);
    }
}

const char* HtmlTokenizer::stepValue(const char* p, const char* end) {
    switch (state_) {
    case State::BeforeAttributeValue:
        if (html::isSpace(*p)) {
            return p + 1;
        }
        if (*p == '"' || *p == '\'') {
            state_ = *p == '"' ? State::DoubleQuoted : State::SingleQuoted;
            return p + 1;
        }
        if (*p == '>') {
            emitTag();
            return p + 1;
        }
        state_ = State::Unquoted;
        return p;
    case State::DoubleQuoted:
        return quotedValue(p, end, '"');
    case State::SingleQuoted:
        return quotedValue(p, end, '\'');
    default:
        return unquotedValue(p, end);
    }
}

const char* HtmlTokenizer::tagName(const char* p, const char* end) {
    const char* stop = html::findStop<html::kTagName>(p, end);
    name_.append(p, stop);
    if (stop != end) {
        state_ = State::BeforeAttributeName;
    }
    return stop;
}

const char* HtmlTokenizer::attributeName(const char* p, const char* end) {
    const char* stop = html::findStop<html::kAttributeName>(p, end);
    attribute_.append(p, stop);
    if (stop == end) {
        return end;
    }
    endAttributeName();
    state_ = *stop == '=' ? State::BeforeAttributeValue : State::AfterAttributeName;
    return *stop == '=' ? stop + 1 : stop;
}

const char* HtmlTokenizer::quotedValue(const char* p, const char* end, char quote) {
    const char* close = html::findByte(p, end, quote);
    attributes_.appendValue(p, close);
    if (close == end) {
        return end;
    }
    attributes_.endValue();
    state_ = State::AfterQuotedValue;
    return close + 1;
}

const char* HtmlTokenizer::unquotedValue(const char* p, const char* end) {
    const char* stop = html::findStop<html::kUnquoted>(p, end);
    attributes_.appendValue(p, stop);
    if (stop == end) {
        return end;
    }
    attributes_.endValue();
    if (*stop == '>') {
        emitTag();
    } else {
        state_ = State::BeforeAttributeName;
    }
    return stop + 1;
}

const char* HtmlTokenizer::stepMarkup(const char* p, const char* end) {
    if (state_ == State::Comment) {
        p = comment_.read(p, end);
        if (comment_.ended()) {
            endComment();
        }
        return p;
    }
    // "<!--" opens a comment; anything else after "<!" is a declaration.
    const bool dash = *p == '-';
    if (dash && state_ == State::MarkupOpen) {
        state_ = State::MarkupDash;
        return p + 1;
    }
    comment_.begin(!dash, wantComments_);
    state_ = State::Comment;
    return dash ? p + 1 : p;
}

void HtmlTokenizer::beginTag(bool endTag) {
    endTag_ = endTag;
    name_.clear();
    attributes_.beginTag(!endTag);
    state_ = State::TagName;
}

void HtmlTokenizer::endAttributeName() {
    attributes_.beginAttribute(attribute_.view());
}

// Inlined: every start tag ends here, and most have nothing for the sink.
[[gnu::always_inline]] inline void HtmlTokenizer::emitTag() {
    state_ = State::Data;
    if (endTag_) {
        return;
    }
    // A tag with none of the wanted attributes has nothing for the sink: most tags of a page.
    if (attributes_.anyKept()) {
        sink_.startTag(name_.view(), attributes_.kept());
    }
    if (rawText_.beginIfText(name_)) {
        state_ = State::RawText;
    }
}

void HtmlTokenizer::endComment() {
    state_ = State::Data;
    if (wantComments_ && !comment_.isDeclaration()) {
        sink_.comment(comment_.text());
    }
}

void HtmlTokenizer::finish() {
    switch (state_) {
    case State::AttributeName:
        endAttributeName();
        break;
    case State::DoubleQuoted:
    case State::SingleQuoted:
    case State::Unquoted:
        attributes_.endValue();
        break;
    default:
        break;
    }
    if (state_ >= State::TagName && state_ <= State::SelfClosing) {
        emitTag();
    } else if (state_ == State::Comment) {
        endComment();
    }
    reset();
}

} // namespace harvex2::core
