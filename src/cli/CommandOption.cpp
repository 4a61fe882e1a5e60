#include "cli/CommandOption.h"

#include <utility>

namespace harvex2::cli {

CommandOption::CommandOption(std::string_view name, Switch set)
    : longName_(name), set_(std::move(set)) {}

CommandOption::CommandOption(std::string_view shortName, std::string_view longName, Switch set)
    : shortName_(shortName), longName_(longName), set_(std::move(set)) {}

CommandOption::CommandOption(std::string_view name, Value take, std::string_view needs)
    : longName_(name), take_(std::move(take)), needs_(needs) {}

CommandOption::CommandOption(std::string_view shortName, std::string_view longName, Value take)
    : shortName_(shortName), longName_(longName), take_(std::move(take)) {}

CommandOption::CommandOption(std::string_view name, Switch set, Value take)
    : longName_(name), set_(std::move(set)), take_(std::move(take)) {}

CommandOption::Switch turnOn(bool& flag) {
    return [&flag] { flag = true; };
}

CommandOption::Switch turnOff(bool& flag) {
    return [&flag] { flag = false; };
}

CommandOption::Value storeIn(std::string& text) {
    return [&text](const std::string& value) {
        text = value;
        return std::string();
    };
}

CommandOption::Value storeIn(std::optional<std::string>& text) {
    return [&text](const std::string& value) {
        text = value;
        return std::string();
    };
}

} // namespace harvex2::cli
