#pragma once

#include "cli/CommandOption.h"

#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

// The one reader of every command's options. A word that is no option is an operand (a
// file, a value); "--" makes every word after it one. A long option's value may follow
// after "=" or as the next word.
class OptionParser {
public:
    explicit OptionParser(std::vector<CommandOption> options);

    // A word such as "-5" is an operand, so that a negative number can be given; a name of
    // the table, such as "-0", stays its option.
    OptionParser& takingNegativeNumbers();

    // The operands in order; nullopt, with `error` set, at the first option that is
    // unknown, lacks its value or refuses it.
    std::optional<std::vector<std::string>> parse(const std::vector<std::string>& args,
                                                  std::string& error) const;

private:
    bool isOption(const std::string& word) const;
    const CommandOption* find(std::string_view name) const;
    // Applies the option at args[i], with its value from args[i + 1] when it has one apart.
    bool apply(const std::vector<std::string>& args, std::size_t& i, std::string& error) const;

    std::vector<CommandOption> options_;
    bool negativeNumbers_ = false;
};

} // namespace harvex2::cli
