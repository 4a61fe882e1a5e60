#include "core/extract/HtmlComment.h"

#include <algorithm>
#include <cstring>

namespace harvex2::core {

namespace {

const char* findByte(const char* p, const char* end, char wanted) {
    const void* hit = std::memchr(p, wanted, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : end;
}

} // namespace

void HtmlComment::begin(bool declaration, bool keep) {
    state_ = declaration ? State::Declaration : State::Start;
    keep_ = keep && !declaration;
    ended_ = false;
    text_.clear();
}

const char* HtmlComment::read(const char* p, const char* end) {
    if (state_ == State::Declaration) {
        p = findByte(p, end, '>');
        ended_ = p != end;
        return ended_ ? p + 1 : end;
    }
    while (p != end) {
        if (state_ == State::Text) {
            p = readText(p, end);
            continue;
        }
        const char c = *p;
        keep(p, p + 1);
        ++p;
        if (c == '>' && state_ != State::EndDash) {
            ended_ = true;
            return p;
        }
        if (c == '-') {
            state_ = state_ == State::Start     ? State::StartDash
                     : state_ == State::EndBang ? State::EndDash
                                                : State::End;
        } else {
            state_ = c == '!' && state_ == State::End ? State::EndBang : State::Text;
        }
    }
    return end;
}

// Plain text up to the next dash, which may begin the end.
const char* HtmlComment::readText(const char* p, const char* end) {
    const char* dash = findByte(p, end, '-');
    keep(p, dash == end ? end : dash + 1);
    if (dash == end) {
        return end;
    }
    state_ = State::EndDash;
    return dash + 1;
}

void HtmlComment::keep(const char* p, const char* end) {
    if (keep_ && text_.size() < kKeptLimit) {
        text_.append(p, std::min(end, p + (kKeptLimit - text_.size())));
    }
}

} // namespace harvex2::core
