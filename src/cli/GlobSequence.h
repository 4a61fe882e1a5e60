#pragma once

#include "cli/SequenceCommand.h"

#include <cstdio>

namespace harvex2::cli {

// `harvex2-cli sequence --glob TEMPLATE`: every URL of a bracket template, streamed, so a
// series of any length runs in the same memory.
class GlobSequence {
public:
    static int run(const SequenceOptions& options, std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
