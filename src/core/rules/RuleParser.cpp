#include "core/rules/RuleParser.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>

namespace harvex2::core {

std::string_view RuleParser::takeLine(std::string_view& text) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

namespace {

struct Failure {
    RuleError error;
};

struct Prefix {
    std::string_view name;
    RuleTest::Kind kind;
};

constexpr std::array<Prefix, 7> kPrefixes{{{"ext", RuleTest::Kind::Extension},
                                           {"glob", RuleTest::Kind::Glob},
                                           {"re", RuleTest::Kind::Expression},
                                           {"host", RuleTest::Kind::Host},
                                           {"scheme", RuleTest::Kind::Scheme},
                                           {"text", RuleTest::Kind::Text},
                                           {"sent", RuleTest::Kind::Sent}}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool takesList(RuleTest::Kind kind) {
    return kind == RuleTest::Kind::Extension || kind == RuleTest::Kind::Host ||
           kind == RuleTest::Kind::Scheme;
}

} // namespace

std::variant<std::optional<RuleSet::Line>, RuleError> RuleParser::parseLine(std::string_view line,
                                                                            std::size_t number) {
    try {
        return RuleParser(line, number).parse();
    } catch (Failure& failure) {
        return std::move(failure.error);
    }
}

void RuleParser::fail(std::size_t at, std::string reason) const {
    throw Failure{{number_, RuleError::columnOf(line_, at), std::move(reason)}};
}

void RuleParser::skipBlanks() {
    while (pos_ < line_.size() && isBlank(line_[pos_])) {
        ++pos_;
    }
}

std::optional<RuleSet::Line> RuleParser::parse() {
    skipBlanks();
    if (pos_ == line_.size() || line_[pos_] == '#') {
        return std::nullopt;
    }
    RuleSet::Line rule;
    rule.number = number_;
    rule.text = std::string(platform::AsciiText::trim(line_));
    if (line_[pos_] != '+' && line_[pos_] != '-') {
        fail(pos_, "A rule begins with + (select) or - (leave out).");
    }
    rule.select = line_[pos_++] == '+';
    skipBlanks();
    if (pos_ == line_.size()) {
        fail(pos_, "The rule has no test, such as ext:zip.");
    }
    while (pos_ < line_.size()) {
        rule.tests.push_back(parseTest());
        skipBlanks();
    }
    return rule;
}

RuleTest RuleParser::parseTest() {
    const std::size_t start = pos_;
    bool ignoreCase = true;
    const RuleTest::Kind kind = parsePrefix(ignoreCase);
    if (kind == RuleTest::Kind::Expression) {
        const std::string_view pattern = line_.substr(pos_);
        pos_ = line_.size();
        if (pattern.empty()) {
            fail(start, "re: needs a regular expression after it.");
        }
        return compileExpression(pattern, ignoreCase);
    }
    const std::size_t valueStart = pos_;
    std::string value = parseValue();
    if (kind == RuleTest::Kind::Sent) {
        return RuleTest(kind, {std::move(value)}, ignoreCase);
    }
    if (value.empty()) {
        fail(start, std::string(line_.substr(start, valueStart - start)) + " needs a value.");
    }
    if (takesList(kind)) {
        return RuleTest(kind, splitList(value, valueStart), ignoreCase);
    }
    return RuleTest(kind, {std::move(value)}, ignoreCase);
}

// A prefix in lower case ignores case; written in capitals, it respects it.
RuleTest::Kind RuleParser::parsePrefix(bool& ignoreCase) {
    const std::size_t start = pos_;
    const auto colon = line_.find(':', pos_);
    const auto blank = std::ranges::find_if(line_.substr(pos_), isBlank) - line_.begin();
    if (colon == std::string_view::npos || colon > static_cast<std::size_t>(blank)) {
        fail(start, "A test is written as a name and a value, such as ext:zip or text:word.");
    }
    const std::string_view written = line_.substr(start, colon - start);
    const std::string lower = platform::AsciiText::lower(written);
    const auto known = std::ranges::find(kPrefixes, std::string_view(lower), &Prefix::name);
    if (known == kPrefixes.end()) {
        fail(start, "There is no test \"" + std::string(written) +
                        ":\"; use ext, glob, re, host, scheme, text or sent.");
    }
    ignoreCase = written == lower;
    if (!ignoreCase && written != platform::AsciiText::upper(written)) {
        fail(start, "Write \"" + std::string(written) +
                        ":\" in lower case, or in capitals to respect case.");
    }
    pos_ = colon + 1;
    return known->kind;
}

std::string RuleParser::parseValue() {
    std::string value;
    if (pos_ == line_.size() || line_[pos_] != '"') {
        while (pos_ < line_.size() && !isBlank(line_[pos_])) {
            value += line_[pos_++];
        }
        return value;
    }
    const std::size_t opening = pos_++;
    for (;;) {
        if (pos_ == line_.size()) {
            fail(opening, "The quote opened here is not closed.");
        }
        const char c = line_[pos_++];
        if (c != '"') {
            value += c;
        } else if (pos_ < line_.size() && line_[pos_] == '"') {
            value += '"';
            ++pos_;
        } else {
            break;
        }
    }
    if (pos_ < line_.size() && !isBlank(line_[pos_])) {
        fail(pos_, "A blank must follow the closing quote.");
    }
    return value;
}

std::vector<std::string> RuleParser::splitList(const std::string& value,
                                               std::size_t valueStart) const {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const auto comma = value.find(',', from);
        std::string item = value.substr(from, comma - from);
        if (item.empty()) {
            fail(valueStart + from, "The list has an empty value.");
        }
        items.push_back(std::move(item));
        if (comma == std::string::npos) {
            return items;
        }
        from = comma + 1;
    }
}

RuleTest RuleParser::compileExpression(std::string_view pattern, bool ignoreCase) const {
    auto compiled = platform::RegularExpression::compile(pattern, {ignoreCase});
    if (auto* reason = std::get_if<std::string>(&compiled)) {
        fail(pos_ - pattern.size(), "Not a regular expression: " + *reason + ".");
    }
    return RuleTest(std::get<std::unique_ptr<platform::RegularExpression>>(std::move(compiled)));
}

} // namespace harvex2::core
