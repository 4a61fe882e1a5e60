#pragma once

namespace harvex2::cli {

// The exit statuses of every harvex2-cli command.
inline constexpr int kSuccess = 0;
inline constexpr int kFailed = 1; // the command could not do its work; told on stderr
inline constexpr int kUsage = 2;  // the command line makes no sense

} // namespace harvex2::cli
