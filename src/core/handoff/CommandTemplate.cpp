#include "core/handoff/CommandTemplate.h"

#include "platform/CommandWords.h"

#include <array>
#include <utility>

namespace harvex2::core {

namespace {

struct Placeholder {
    std::string_view tag;
    std::string_view name;
    const std::string& value;
};

std::array<Placeholder, 5> placeholders(const CommandValues& values, const std::string& n) {
    return {{{"{url}", "link", values.url},
             {"{dir}", "folder", values.dir},
             {"{name}", "file name", values.name},
             {"{referer}", "referrer", values.referer},
             {"{n}", "row number", n}}};
}

// The placeholder that starts at `at` in `word`, if any.
const Placeholder* placeholderAt(const std::array<Placeholder, 5>& all, std::string_view word,
                                 std::size_t at) {
    for (const Placeholder& placeholder : all) {
        if (word.substr(at, placeholder.tag.size()) == placeholder.tag) {
            return &placeholder;
        }
    }
    return nullptr;
}

// `word` with its placeholders replaced; `refusal` is set when a value cannot stand there.
std::string filled(std::string_view word, const std::array<Placeholder, 5>& all, bool optionsEnded,
                   std::string& refusal) {
    std::string result;
    for (std::size_t at = 0; at < word.size();) {
        const Placeholder* placeholder = word[at] == '{' ? placeholderAt(all, word, at) : nullptr;
        if (placeholder == nullptr) {
            result += word[at++];
            continue;
        }
        const std::string& value = placeholder->value;
        if (value.find('\0') != std::string::npos) {
            refusal = "the " + std::string(placeholder->name) +
                      " holds a NUL byte, which no program argument can carry";
        } else if (result.empty() && !optionsEnded && value.starts_with('-')) {
            refusal = "the " + std::string(placeholder->name) +
                      " starts with \"-\" and would be read as an option";
        }
        result += value;
        at += placeholder->tag.size();
    }
    return result;
}

} // namespace

std::optional<CommandTemplate> CommandTemplate::parse(std::string_view line, std::string& error) {
    auto words = platform::CommandWords::split(line);
    if (!words) {
        error = "The command template leaves a quote open.";
        return std::nullopt;
    }
    if (words->empty()) {
        error = "The command template names no program.";
        return std::nullopt;
    }
    return CommandTemplate(std::move(*words));
}

FilledCommand CommandTemplate::fill(const CommandValues& values) const {
    const std::string n = std::to_string(values.n);
    const auto all = placeholders(values, n);
    FilledCommand line;
    line.words.reserve(words_.size());
    bool optionsEnded = false;
    for (const std::string& word : words_) {
        line.words.push_back(filled(word, all, optionsEnded, line.refusal));
        if (!line.refusal.empty()) {
            line.words.clear();
            return line;
        }
        optionsEnded = optionsEnded || word == "--";
    }
    return line;
}

} // namespace harvex2::core
