#include "core/extract/RawTextEnd.h"

#include "core/extract/HtmlBytes.h"

#include <array>
#include <cstdint>

namespace harvex2::core {

void RawTextEnd::NameMatch::add(char letter) {
    if (matched < wanted.size() && html::toLower(letter) == wanted[matched]) {
        ++matched;
    } else {
        differs = true;
    }
}

namespace {

struct TextElement {
    std::string_view name;
    RawTextEnd::Kind kind;
    std::uint64_t head = NameBuffer::headOf(name);
};

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

} // namespace

const std::array<std::uint16_t, 256> RawTextEnd::kLengthsByLetter = [] {
    std::array<std::uint16_t, 256> lengths{};
    for (const TextElement& element : kTextElements) {
        lengths[static_cast<unsigned char>(element.name[0])] |=
            static_cast<std::uint16_t>(1u << element.name.size());
    }
    return lengths;
}();

// A word and a length compared rather than the names.
bool RawTextEnd::beginIfNamed(const NameBuffer& name) {
    const std::string_view whole = name.view();
    const std::uint64_t head = name.head();
    for (const TextElement& element : kTextElements) {
        if (element.head == head && element.name.size() == whole.size() &&
            (whole.size() <= sizeof head || element.name == whole)) {
            kind_ = element.kind;
            state_ = State::Text;
            endTag_.wanted = element.name;
            return true;
        }
    }
    return false;
}

const char* RawTextEnd::find(const char* p, const char* end) {
    if (kind_ == Kind::Plaintext) {
        return end;
    }
    while (p != end) {
        if (state_ == State::Text) {
            p = html::findByte(p, end, '<');
            if (p == end) {
                return end;
            }
            ++p;
            state_ = State::LessThan;
            continue;
        }
        const Outcome outcome = step(*p);
        if (outcome == Outcome::EndFound) {
            return p;
        }
        if (outcome == Outcome::Consumed) {
            ++p;
        }
    }
    return end;
}

RawTextEnd::Outcome RawTextEnd::step(char c) {
    switch (state_) {
    case State::Text:
        return Outcome::Consumed;
    case State::LessThan:
        if (c == '/') {
            endTag_.restart();
            return moveTo(State::EndTagName);
        }
        if (c == '!' && kind_ == Kind::Script) {
            return moveTo(State::EscapeStart);
        }
        return reconsumeIn(State::Text);
    case State::EndTagName:
        return stepEndTagName(c, State::Text);
    case State::EscapeStart:
        return c == '-' ? moveTo(State::EscapeStartDash) : reconsumeIn(State::Text);
    case State::EscapeStartDash:
        return c == '-' ? moveTo(State::EscapedDashDash) : reconsumeIn(State::Text);
    case State::Escaped:
    case State::EscapedDash:
    case State::EscapedDashDash:
        return stepEscaped(c);
    case State::EscapedLessThan:
        if (c == '/') {
            endTag_.restart();
            return moveTo(State::EscapedEndTagName);
        }
        if (html::isAsciiLetter(c)) {
            scriptName_.restart();
            return reconsumeIn(State::DoubleEscapeStart);
        }
        return reconsumeIn(State::Escaped);
    case State::EscapedEndTagName:
        return stepEndTagName(c, State::Escaped);
    case State::DoubleEscapeStart:
        return stepEscapeName(c, State::DoubleEscaped, State::Escaped);
    case State::DoubleEscaped:
    case State::DoubleEscapedDash:
    case State::DoubleEscapedDashDash:
        return stepDoubleEscaped(c);
    case State::DoubleEscapedLessThan:
        if (c == '/') {
            scriptName_.restart();
            return moveTo(State::DoubleEscapeEnd);
        }
        return reconsumeIn(State::DoubleEscaped);
    case State::DoubleEscapeEnd:
        return stepEscapeName(c, State::Escaped, State::DoubleEscaped);
    }
    return Outcome::Consumed;
}

// Escaped and double-escaped text differ only in where "<" leads; "-->" ends both.
RawTextEnd::Outcome RawTextEnd::stepDashes(char c, State base, State lessThan) {
    const auto dashes = static_cast<int>(state_) - static_cast<int>(base);
    if (c == '-') {
        return moveTo(static_cast<State>(static_cast<int>(base) + (dashes < 2 ? dashes + 1 : 2)));
    }
    if (c == '<') {
        return moveTo(lessThan);
    }
    if (c == '>' && dashes == 2) {
        return moveTo(State::Text);
    }
    return moveTo(base);
}

RawTextEnd::Outcome RawTextEnd::stepEscaped(char c) {
    return stepDashes(c, State::Escaped, State::EscapedLessThan);
}

RawTextEnd::Outcome RawTextEnd::stepDoubleEscaped(char c) {
    return stepDashes(c, State::DoubleEscaped, State::DoubleEscapedLessThan);
}

RawTextEnd::Outcome RawTextEnd::stepEndTagName(char c, State fallback) {
    if (html::isAsciiLetter(c)) {
        endTag_.add(c);
        return Outcome::Consumed;
    }
    if ((html::isSpace(c) || c == '/' || c == '>') && endTag_.complete()) {
        return Outcome::EndFound;
    }
    return reconsumeIn(fallback);
}

RawTextEnd::Outcome RawTextEnd::stepEscapeName(char c, State onScript, State otherwise) {
    if (html::isAsciiLetter(c)) {
        scriptName_.add(c);
        return Outcome::Consumed;
    }
    if (html::isSpace(c) || c == '/' || c == '>') {
        return moveTo(scriptName_.complete() ? onScript : otherwise);
    }
    return reconsumeIn(otherwise);
}

RawTextEnd::Outcome RawTextEnd::moveTo(State state) {
    state_ = state;
    return Outcome::Consumed;
}

RawTextEnd::Outcome RawTextEnd::reconsumeIn(State state) {
    state_ = state;
    return Outcome::Reconsume;
}

} // namespace harvex2::core
