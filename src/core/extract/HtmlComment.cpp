#include "core/extract/HtmlComment.h"

#include "core/extract/HtmlBytes.h"

#include <algorithm>

namespace harvex2::core {

void HtmlComment::begin(bool declaration, bool keep) {
    state_ = declaration ? State::Declaration : State::Start;
    keep_ = keep && !declaration;
    ended_ = false;
    text_.clear();
}

const char* HtmlComment::read(const char* p, const char* end) {
    if (state_ == State::Declaration) {
        p = html::findByte(p, end, '>');
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
    const char* dash = html::findByte(p, end, '-');
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
