#pragma once

#include "platform/posix/PosixLocalFolders.h"

#include <string>
#include <vector>

namespace harvex2::test {

// The real folders of the machine, with volumes and a working directory of the test's
// choosing, so a tree under a temporary folder can stand for a whole machine.
class TreeFolders : public platform::PosixLocalFolders {
public:
    explicit TreeFolders(std::string working, std::vector<platform::Volume> volumes = {});

    std::vector<platform::Volume> volumes() override { return volumes_; }
    std::string workingDirectory() override { return working_; }

    std::vector<platform::Volume> volumes_;

private:
    std::string working_;
};

} // namespace harvex2::test
