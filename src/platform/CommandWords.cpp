#include "platform/CommandWords.h"

#include <cstddef>

namespace harvex2::platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Characters a backslash escapes inside double quotes; before any other it stays.
bool escapesInDoubleQuotes(char c) {
    return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n';
}

// Takes the character after a backslash at `pos`; an escaped line break joins two lines.
void takeEscaped(std::string_view line, std::size_t& pos, std::string& word) {
    if (line[pos] != '\n') {
        word += line[pos];
    }
    ++pos;
}

// Reads a double-quoted part whose opening quote is just before `pos`.
bool readDoubleQuoted(std::string_view line, std::size_t& pos, std::string& word) {
    while (pos < line.size() && line[pos] != '"') {
        if (line[pos] == '\\' && pos + 1 < line.size() && escapesInDoubleQuotes(line[pos + 1])) {
            takeEscaped(line, ++pos, word);
        } else {
            word += line[pos++];
        }
    }
    if (pos == line.size()) {
        return false;
    }
    ++pos;
    return true;
}

// Reads the word that starts at `pos` into `word`; false when a quote is left open.
bool readWord(std::string_view line, std::size_t& pos, std::string& word) {
    while (pos < line.size() && !isBlank(line[pos])) {
        const char c = line[pos++];
        if (c == '\'') {
            const std::size_t end = line.find('\'', pos);
            if (end == std::string_view::npos) {
                return false;
            }
            word.append(line.substr(pos, end - pos));
            pos = end + 1;
        } else if (c == '"') {
            if (!readDoubleQuoted(line, pos, word)) {
                return false;
            }
        } else if (c == '\\' && pos < line.size()) {
            takeEscaped(line, pos, word);
        } else {
            word += c;
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<std::string>> CommandWords::split(std::string_view line) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos])) {
            ++pos;
        }
        // A joined line break between words is no word of its own.
        if (line.substr(pos, 2) == "\\\n") {
            pos += 2;
            continue;
        }
        if (pos == line.size()) {
            return words;
        }
        std::string word;
        if (!readWord(line, pos, word)) {
            return std::nullopt;
        }
        words.push_back(std::move(word));
    }
}

std::string CommandWords::quote(std::string_view word) {
    // Single quotes keep everything but themselves; a quote ends the quoted part, is kept by
    // a backslash and the quoting goes on.
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + '\'';
}

} // namespace harvex2::platform
