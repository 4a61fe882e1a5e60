#pragma once

#include "core/shell/Aria2Endpoint.h"

#include <string>
#include <vector>

namespace harvex2::core {

// The endpoints as one stored text: a line per endpoint of `key=value` fields separated by
// tabs, with backslash, tab, line feed and carriage return escaped in the values. Fields it
// does not know are kept, so that an older version saving the list loses nothing.
class Aria2EndpointText {
public:
    static std::string encode(const std::vector<Aria2Endpoint>& endpoints);
    // Lines without a name are left out.
    static std::vector<Aria2Endpoint> decode(const std::string& text);
};

} // namespace harvex2::core
