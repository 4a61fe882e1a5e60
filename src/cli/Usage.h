#pragma once

namespace harvex2::cli {

// The one-line synopsis shown after wrong usage.
extern const char* const kUsageText;
// The full help of the program and its subcommand.
extern const char* const kHelpText;

} // namespace harvex2::cli
