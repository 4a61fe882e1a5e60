#pragma once

#include <string>

namespace harvex2::platform {

// What kind of thing failed. The core says which; the window decides how each kind is
// shown (caption, icon, box), so the core builds no box for a failure of its own.
enum class FailureKind {
    // A failure the command does not handle itself.
    General,
    // A file refused before anything changed; the failure names it.
    File,
    // A folder that could not be made.
    Folder,
    // A download manager not found, not reachable, or lost in the middle of a pass.
    Connection,
    // A failure whose text says it whole, shown exactly as written.
    Stated,
};

// What failed, with its text, as the core reports it through platform::Prompts.
struct Failure {
    FailureKind kind = FailureKind::General;
    std::string text;
    // The file of a File failure.
    std::string path = {};
};

// "<path>: <reason>", the reason alone where there is no name to show.
std::string namedFailure(const std::string& path, const std::string& reason);

} // namespace harvex2::platform
