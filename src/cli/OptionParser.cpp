#include "cli/OptionParser.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace harvex2::cli {

OptionParser::OptionParser(std::vector<CommandOption> options) : options_(std::move(options)) {}

OptionParser& OptionParser::takingNegativeNumbers() {
    negativeNumbers_ = true;
    return *this;
}

std::optional<std::vector<std::string>> OptionParser::parse(const std::vector<std::string>& args,
                                                            std::string& error) const {
    std::vector<std::string> operands;
    bool onlyOperands = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (onlyOperands || !isOption(args[i])) {
            operands.push_back(args[i]);
        } else if (args[i] == "--") {
            onlyOperands = true;
        } else if (!apply(args, i, error)) {
            return std::nullopt;
        }
    }
    return operands;
}

// "-" alone is standard input, an operand like any file.
bool OptionParser::isOption(const std::string& word) const {
    if (word.size() < 2 || word.front() != '-') {
        return false;
    }
    const bool number = std::isdigit(static_cast<unsigned char>(word[1])) != 0;
    return !(negativeNumbers_ && number && find(word) == nullptr);
}

const CommandOption* OptionParser::find(std::string_view name) const {
    const auto found = std::find_if(options_.begin(), options_.end(),
                                    [name](const CommandOption& o) { return o.answersTo(name); });
    return found == options_.end() ? nullptr : &*found;
}

bool OptionParser::apply(const std::vector<std::string>& args, std::size_t& i,
                         std::string& error) const {
    const std::string& word = args[i];
    if (const CommandOption* option = find(word)) {
        if (!option->takesValue()) {
            option->set();
            return true;
        }
        if (++i == args.size()) {
            error = "option '" + word + "' needs " + std::string(option->needs());
            return false;
        }
        error = option->take(args[i]);
        return error.empty();
    }
    const auto equals = word.find('=');
    const CommandOption* option = word.starts_with("--") && equals != std::string::npos
                                      ? find(word.substr(0, equals))
                                      : nullptr;
    if (option == nullptr || !option->takesValueAfterEquals()) {
        error = "unknown option '" + word + "'";
        return false;
    }
    error = option->take(word.substr(equals + 1));
    return error.empty();
}

} // namespace harvex2::cli
