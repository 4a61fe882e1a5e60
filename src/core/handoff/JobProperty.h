#pragma once

#include <string_view>

namespace harvex2::core {

enum class IniValueType { Text = 0, Integer = 1, FloatingPoint = 2 };

// One job property: the key that holds it and the type of its value.
struct JobProperty {
    std::string_view name;
    IniValueType type;
};

// The properties a job has, numbered 0 to kJobPropertyCount - 1.
inline constexpr int kJobPropertyCount = 25;
inline constexpr int kPropertyLocation = 0;
inline constexpr int kPropertyTitle = 1;
inline constexpr int kPropertyLocalFolder = 3;
inline constexpr int kPropertyState = 18;
inline constexpr int kPropertyPartialSize = 24;

// The property's key and type; `number` must lie in 0 .. kJobPropertyCount - 1.
const JobProperty& jobProperty(int number);

} // namespace harvex2::core
