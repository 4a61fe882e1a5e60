#pragma once

#include "core/handoff/CommandValues.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The words of one row's command, or why the row cannot run.
struct FilledCommand {
    std::vector<std::string> words;
    // Empty when the row can run.
    std::string refusal;
};

// A program and its arguments written once for every link, such as
// `wget -q -O {dir}/{name} -- {url}`. The line is cut into words as a POSIX shell cuts
// them, and the placeholders {url} {dir} {name} {referer} {n} are replaced inside the words
// afterwards: no shell ever runs, so whatever a link holds stays inside its word.
class CommandTemplate {
public:
    // nullopt, with `error` set, for a line a shell would refuse or one naming no program.
    static std::optional<CommandTemplate> parse(std::string_view line, std::string& error);

    // The row's words. A value that opens a word with "-" would be read as an option, so the
    // row is refused unless a "--" word comes before; a value holding a NUL cannot be an
    // argument at all.
    FilledCommand fill(const CommandValues& values) const;

private:
    explicit CommandTemplate(std::vector<std::string> words) : words_(std::move(words)) {}

    std::vector<std::string> words_;
};

} // namespace harvex2::core
