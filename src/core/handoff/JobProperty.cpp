#include "core/handoff/JobProperty.h"

#include <array>
#include <cstddef>

namespace harvex2::core {

namespace {

constexpr IniValueType kText = IniValueType::Text;
constexpr IniValueType kInteger = IniValueType::Integer;
constexpr IniValueType kFloat = IniValueType::FloatingPoint;

constexpr std::array<JobProperty, kJobPropertyCount> kProperties{{
    {"LocID", kText},           {"Title", kText},
    {"LocalFile", kText},       {"LocalFolder", kText},
    {"StartTime", kFloat},      {"Priority", kInteger},
    {"Regular", kInteger},      {"Period", kInteger},
    {"OnlyNewer", kInteger},    {"MultiCopies", kInteger},
    {"ConnPerFile", kInteger},  {"RetryIfSize", kInteger},
    {"MinFileSize", kInteger},  {"AllowConcurrPerFile", kInteger},
    {"Strip", kInteger},        {"Referer", kText},
    {"UserAgent", kText},       {"IgnoreDateChange", kInteger},
    {"State", kInteger},        {"FileSize", kInteger},
    {"FileTime", kFloat},       {"Attempt", kInteger},
    {"FinalName", kText},       {"IsHTML", kInteger},
    {"Partial size", kInteger},
}};

} // namespace

const JobProperty& jobProperty(int number) {
    return kProperties.at(static_cast<std::size_t>(number));
}

} // namespace harvex2::core
