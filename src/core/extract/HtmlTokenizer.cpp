#include "core/extract/HtmlTokenizer.h"

#include "core/extract/HtmlBytes.h"

#include <cstring>
#include <string_view>

namespace harvex2::core {

namespace {

struct TextElement {
    std::string_view name;
    RawTextEnd::Kind kind;
};

// The elements a browser reads as text up to their end tag. noscript is not one of them:
// it is read as markup, as a browser does with scripts off.
constexpr TextElement kTextElements[] = {
    {"script", RawTextEnd::Kind::Script},
    {"style", RawTextEnd::Kind::Text},
    {"xmp", RawTextEnd::Kind::Text},
    {"iframe", RawTextEnd::Kind::Text},
    {"noembed", RawTextEnd::Kind::Text},
    {"noframes", RawTextEnd::Kind::Text},
    {"textarea", RawTextEnd::Kind::Text},
    {"title", RawTextEnd::Kind::Text},
    {"plaintext", RawTextEnd::Kind::Plaintext},
};

const char* findByte(const char* p, const char* end, char wanted) {
    const void* hit = std::memchr(p, wanted, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : end;
}

} // namespace

void HtmlTokenizer::want(std::uint16_t attributes, bool comments) {
    attributes_.want(attributes);
    wantComments_ = comments;
}

void HtmlTokenizer::reset() {
    state_ = State::Data;
    attributes_.beginTag(false);
}

void HtmlTokenizer::feed(const char* p, const char* end) {
    while (p != end) {
        p = step(p, end);
    }
}

// Each state consumes what it can of [p, end) and returns where it stopped; a state that
// hands a byte on to the next one ("reconsume") returns without passing it.
const char* HtmlTokenizer::step(const char* p, const char* end) {
    switch (state_) {
    case State::Data:
        p = findByte(p, end, '<');
        if (p != end) {
            state_ = State::TagOpen;
            ++p;
        }
        return p;
    case State::TagOpen:
        if (html::isAsciiLetter(*p)) {
            beginTag(false);
        } else if (*p == '!') {
            state_ = State::MarkupOpen;
            return p + 1;
        } else if (*p == '/') {
            state_ = State::EndTagOpen;
            return p + 1;
        } else {
            if (*p == '?') {
                comment_.begin(true, false);
            }
            state_ = *p == '?' ? State::Comment : State::Data;
        }
        return p;
    case State::EndTagOpen:
        if (html::isAsciiLetter(*p)) {
            beginTag(true);
            return p;
        }
        if (*p == '>') {
            state_ = State::Data;
            return p + 1;
        }
        comment_.begin(true, false);
        state_ = State::Comment;
        return p;
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
            beginAttribute();
            if (c != '=') {
                return p;
            }
            attribute_[attributeLength_++] = '=';
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
    for (; p != end; ++p) {
        const char c = *p;
        if (html::isSpace(c) || c == '/' || c == '>') {
            state_ = State::BeforeAttributeName;
            return p;
        }
        // A name too long for any the reader knows is marked by a length past the limit.
        if (nameLength_ < kNameLimit) {
            name_[nameLength_] = html::toLower(c);
        }
        nameLength_ += nameLength_ <= kNameLimit ? 1 : 0;
    }
    return p;
}

const char* HtmlTokenizer::attributeName(const char* p, const char* end) {
    for (; p != end; ++p) {
        const char c = *p;
        if (html::isSpace(c) || c == '/' || c == '>' || c == '=') {
            endAttributeName();
            state_ = c == '=' ? State::BeforeAttributeValue : State::AfterAttributeName;
            return c == '=' ? p + 1 : p;
        }
        if (attributeLength_ < kNameLimit) {
            attribute_[attributeLength_] = html::toLower(c);
        }
        attributeLength_ += attributeLength_ <= kNameLimit ? 1 : 0;
    }
    return p;
}

const char* HtmlTokenizer::quotedValue(const char* p, const char* end, char quote) {
    const char* close = findByte(p, end, quote);
    attributes_.appendValue(p, close);
    if (close == end) {
        return end;
    }
    attributes_.endValue();
    state_ = State::AfterQuotedValue;
    return close + 1;
}

const char* HtmlTokenizer::unquotedValue(const char* p, const char* end) {
    const char* stop = p;
    while (stop != end && !html::isSpace(*stop) && *stop != '>') {
        ++stop;
    }
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
    nameLength_ = 0;
    attributes_.beginTag(!endTag);
    state_ = State::TagName;
}

void HtmlTokenizer::beginAttribute() {
    attributeLength_ = 0;
    state_ = State::AttributeName;
}

void HtmlTokenizer::endAttributeName() {
    attributes_.beginAttribute(attributeLength_ <= kNameLimit
                                   ? std::string_view(attribute_.data(), attributeLength_)
                                   : std::string_view());
}

void HtmlTokenizer::emitTag() {
    state_ = State::Data;
    if (endTag_) {
        return;
    }
    const std::string_view name(name_.data(), nameLength_ <= kNameLimit ? nameLength_ : 0);
    sink_.startTag(name, attributes_.kept());
    for (const TextElement& element : kTextElements) {
        if (element.name == name) {
            rawText_.begin(element.kind, element.name);
            state_ = State::RawText;
            return;
        }
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
