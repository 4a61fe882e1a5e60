#pragma once

#include <string>
#include <vector>

namespace harvex2::platform {

enum class ShowMode { Normal, Maximised };

// The desktop shell: "open" a document or web address, start a command line.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const std::string& pathOrAddress, ShowMode mode) = 0;
    // Starts the program a command line names, with its arguments cut as a shell would cut
    // them (no shell runs, nothing is expanded), and does not wait for it. False when the
    // line names no program or the program could not be started.
    virtual bool startCommand(const std::string& commandLine) = 0;
    // Starts the program the first word names with the other words as its arguments, each
    // exactly as it stands, and does not wait for it. False when there are no words or the
    // program could not be started.
    virtual bool startProgram(const std::vector<std::string>& words) = 0;
};

} // namespace harvex2::platform
