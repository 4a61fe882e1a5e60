#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// A bracket template made from a sample URL: each run of digits becomes a group of its own
// width (`img042.jpg` gives `img[042-042].jpg`), ready to be widened, and every other
// character stands for itself.
class TemplateFromUrl {
public:
    static std::string make(std::string_view url);
};

} // namespace harvex2::core
