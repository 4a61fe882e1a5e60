#include "ReferenceScanner.h"

namespace harvex2::fuzz {

namespace {

constexpr int kEnd = 26;

class Reader {
public:
    explicit Reader(std::string_view input) : input_(input) {}

    bool atEnd() const { return pos_ == input_.size() || input_[pos_] == kEnd; }
    int next() {
        if (atEnd()) {
            return kEnd;
        }
        ++consumed_;
        return static_cast<unsigned char>(input_[pos_++]);
    }
    std::int64_t consumed() const { return consumed_; }

private:
    std::string_view input_;
    std::size_t pos_ = 0;
    std::int64_t consumed_ = 0;
};

int readUntil(Reader& reader, std::string_view stops) {
    int c;
    do {
        c = reader.next();
    } while (c != kEnd && stops.find(static_cast<char>(c)) == std::string_view::npos);
    return c;
}

} // namespace

ReferenceResult referenceScan(std::string_view input, bool ignoreMailTo, bool ignoreBookmarks,
                              bool qLinks) {
    ReferenceResult result;
    Reader reader(input);
    while (!reader.atEnd()) {
        if (readUntil(reader, "<") == kEnd) {
            break;
        }
        const int h = readUntil(reader, "hH>");
        if (h == kEnd) {
            break;
        }
        if (h == '>') {
            continue;
        }
        const int r = reader.next();
        if (r != 'r' && r != 'R') {
            continue;
        }
        const int e = reader.next();
        if (e != 'e' && e != 'E') {
            continue;
        }
        if (readUntil(reader, "\"") == kEnd) {
            break;
        }
        std::string value;
        for (int c = reader.next(); c != '"' && c != kEnd; c = reader.next()) {
            value += static_cast<char>(c);
        }
        const bool ignored = (ignoreMailTo && value.find("mailto:") != std::string::npos) ||
                             (ignoreBookmarks && value.find('#') != std::string::npos) ||
                             (qLinks && value.find('?') != std::string::npos);
        if (ignored) {
            ++result.ignored;
        } else {
            result.kept.push_back(std::move(value));
        }
    }
    result.characters = reader.consumed();
    return result;
}

} // namespace harvex2::fuzz
