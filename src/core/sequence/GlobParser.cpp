#include "core/sequence/GlobParser.h"

#include "core/sequence/BracketedHost.h"
#include "core/sequence/GlobError.h"

#include <climits>
#include <limits>
#include <utility>
#include <vector>

namespace harvex2::core {

namespace {

// A letter range spans at most the alphabet.
constexpr int kMaxLetterSpan = 'z' - 'a';
constexpr std::uint64_t kMaxUnsigned = std::numeric_limits<std::uint64_t>::max();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isGlobSign(char c) {
    return c == '[' || c == ']' || c == '{' || c == '}';
}

// curl compares the letters of a range as signed chars.
int letterValue(char c) {
    return static_cast<signed char>(c);
}

} // namespace

GlobTemplate GlobParser::parse() {
    while (at_ < text_.size()) {
        std::string text = readText();
        if (!text.empty()) {
            result_.pieces_.push_back(GlobGroup::text(std::move(text)));
        } else if (text_[at_++] == '{') {
            readList();
        } else {
            readRange();
        }
        if (result_.pieces_.size() >= GlobTemplate::kMaxPieces) {
            fail("too many globs", at_);
        }
    }
    return std::move(result_);
}

std::string GlobParser::readText() {
    std::string text;
    while (at_ < text_.size() && text_[at_] != '{') {
        const char c = text_[at_];
        if (c == '[') {
            std::size_t skip = BracketedHost::lengthAt(text_.substr(at_));
            if (skip == 0 && peek(at_ + 1) == ']') {
                skip = 2;
            }
            if (skip == 0) {
                break;
            }
            text += text_.substr(at_, skip);
            at_ += skip;
            continue;
        }
        if (c == '}' || c == ']') {
            fail("unmatched close brace/bracket", at_);
        }
        if (c == '\\' && isGlobSign(peek(at_ + 1))) {
            ++at_;
        }
        text += text_[at_++];
    }
    return text;
}

void GlobParser::readRange() {
    if (isLetter(peek(at_))) {
        readLetters();
    } else if (isDigit(peek(at_))) {
        readNumbers();
    } else {
        fail("a range must start with a number or a letter", at_);
    }
}

// `[a-z]` or `[a-z:step]`: a letter, a dash, any character, then `]` or `:`.
void GlobParser::readLetters() {
    const std::size_t start = at_;
    bool wellFormed = peek(start + 1) == '-' && start + 3 < text_.size();
    std::uint64_t step = 1;
    if (wellFormed) {
        const char after = text_[start + 3];
        if (after == ':') {
            const Unsigned read = readUnsigned(start + 4);
            step = read.overflow || read.end == start + 4 || peek(read.end) != ']' ? 0 : read.value;
            at_ = step == 0 ? at_ : read.end + 1;
        } else if (after == ']') {
            at_ = start + 4;
        } else {
            wellFormed = false;
        }
    }
    const int first = letterValue(peek(start));
    const int last = letterValue(peek(start + 2));
    const auto span = static_cast<std::uint64_t>(last - first);
    if (!wellFormed || step == 0 || step > INT_MAX || (first == last && step != 1) ||
        (first != last && (first > last || step > span || last - first > kMaxLetterSpan))) {
        fail("bad range", at_);
    }
    std::vector<std::string> letters;
    for (std::uint64_t offset = 0; offset <= span; offset += step) {
        letters.emplace_back(1, static_cast<char>(first + static_cast<int>(offset)));
    }
    addCounter(GlobGroup::list(std::move(letters)));
}

// `[1-100]`, `[001-100]` or `[0-100:5]`; blanks may follow the dash, and the step is read
// as strtoul reads it (spaces and a sign before it).
void GlobParser::readNumbers() {
    const std::size_t start = at_;
    std::size_t width = 0;
    while (text_[start] == '0' && isDigit(peek(start + width))) {
        ++width;
    }
    const Unsigned first = readUnsigned(start);
    Unsigned last;
    std::uint64_t step = 0;
    bool wellFormed = false;
    if (!first.overflow && peek(first.end) == '-') {
        at_ = first.end + 1;
        while (peek(at_) == ' ' || peek(at_) == '\t') {
            ++at_;
        }
        last = isDigit(peek(at_)) ? readUnsigned(at_) : Unsigned{0, at_, true};
        std::size_t end = last.end;
        bool readable = !last.overflow;
        if (readable && peek(end) == ':') {
            at_ = end + 1;
            const Unsigned read = readUnsigned(at_);
            readable = !read.overflow;
            step = read.value;
            end = read.end;
        } else {
            step = 1;
        }
        if (readable && peek(end) == ']') {
            at_ = end + 1;
            wellFormed = true;
        }
    }
    const std::uint64_t low = first.value;
    const std::uint64_t high = last.value;
    if (!wellFormed || step == 0 || (low == high && step != 1) ||
        (low != high && (low > high || step > high - low))) {
        fail("bad range", at_);
    }
    const std::uint64_t steps = (high - low) / step;
    if (steps == kMaxUnsigned) {
        fail("too many URLs", at_);
    }
    addCounter(GlobGroup::numbers(low, step, steps + 1, width));
}

// `{one,two}`: a backslash takes the next character as it is.
void GlobParser::readList() {
    const std::size_t open = at_ - 1;
    std::vector<std::string> items;
    std::string item;
    for (;;) {
        if (at_ >= text_.size()) {
            fail("unmatched brace", open);
        }
        switch (const char c = text_[at_]) {
        case '{':
        case '[':
            fail("nested brace", at_);
        case ']':
            fail("unexpected close bracket", at_);
        case '}':
            if (at_ == open + 1) {
                fail("empty string within braces", at_);
            }
            items.push_back(std::move(item));
            ++at_;
            addCounter(GlobGroup::list(std::move(items)));
            return;
        case ',':
            items.push_back(std::exchange(item, {}));
            ++at_;
            break;
        case '\\':
            if (at_ + 1 < text_.size()) {
                ++at_;
            }
            item += text_[at_++];
            break;
        default:
            item += c;
            ++at_;
        }
    }
}

void GlobParser::addCounter(GlobGroup group) {
    const std::uint64_t count = group.count();
    if (count > GlobTemplate::kMaxCount / result_.count_) {
        fail("too many URLs", at_);
    }
    result_.count_ *= count;
    result_.pieces_.push_back(std::move(group));
}

GlobParser::Unsigned GlobParser::readUnsigned(std::size_t from) const {
    std::size_t at = from;
    while (isSpace(peek(at))) {
        ++at;
    }
    const bool negative = peek(at) == '-';
    if (peek(at) == '+' || negative) {
        ++at;
    }
    if (!isDigit(peek(at))) {
        return {0, from, false};
    }
    Unsigned read;
    for (; isDigit(peek(at)); ++at) {
        const auto digit = static_cast<std::uint64_t>(peek(at) - '0');
        read.overflow = read.overflow || read.value > (kMaxUnsigned - digit) / 10;
        read.value = read.value * 10 + digit;
    }
    read.end = at;
    if (!read.overflow && negative) {
        read.value = 0 - read.value;
    }
    return read;
}

void GlobParser::fail(const char* reason, std::size_t at) {
    throw GlobError(reason, at + 1);
}

} // namespace harvex2::core
