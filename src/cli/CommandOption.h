#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::cli {

// One line of a command's option table: the names the option answers to and what it
// sets. A switch runs `set`; an option with a value hands it to `take`. The names are
// string literals: the line keeps views of them.
class CommandOption {
public:
    using Switch = std::function<void()>;
    // Returns why the value does not fit, empty when it does.
    using Value = std::function<std::string(const std::string& value)>;

    CommandOption(std::string_view name, Switch set);
    CommandOption(std::string_view shortName, std::string_view longName, Switch set);
    // `needs` completes "option '--base' needs ..." when the value is missing.
    CommandOption(std::string_view name, Value take, std::string_view needs = "a value");
    CommandOption(std::string_view shortName, std::string_view longName, Value take);
    // A switch that may carry a value after "=" (`--wait=60`): alone it runs `set`.
    CommandOption(std::string_view name, Switch set, Value take);

    bool answersTo(std::string_view name) const { return name == shortName_ || name == longName_; }
    // Whether the option needs a value, after "=" or as the next word.
    bool takesValue() const { return take_ && !set_; }
    bool takesValueAfterEquals() const { return static_cast<bool>(take_); }
    std::string_view needs() const { return needs_; }
    void set() const { set_(); }
    std::string take(const std::string& value) const { return take_(value); }

private:
    std::string_view shortName_;
    std::string_view longName_;
    Switch set_;
    Value take_;
    std::string_view needs_ = "a value";
};

// What the commonest lines of a table set.
CommandOption::Switch turnOn(bool& flag);
CommandOption::Switch turnOff(bool& flag);
CommandOption::Value storeIn(std::string& text);
CommandOption::Value storeIn(std::optional<std::string>& text);

} // namespace harvex2::cli
