#include "NoPrompts.h"

#include <cstdio>

namespace harvex2::bench {

platform::MessageButton NoPrompts::message(const platform::MessageRequest& request) {
    std::fprintf(stderr, "unexpected box: %s\n", request.text.c_str());
    return platform::MessageButton::Ok;
}

} // namespace harvex2::bench
