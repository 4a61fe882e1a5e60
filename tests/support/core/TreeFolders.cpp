#include "support/core/TreeFolders.h"

#include <utility>

namespace harvex2::test {

TreeFolders::TreeFolders(std::string working, std::vector<platform::Volume> volumes)
    : volumes_(std::move(volumes)), working_(std::move(working)) {}

} // namespace harvex2::test
