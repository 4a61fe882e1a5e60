#include "core/sequence/NewDirectory.h"

#include "core/sequence/DirectoryPath.h"

namespace harvex2::core {

bool NewDirectory::create(platform::LocalFolders& folders, platform::Prompts& prompts,
                          std::string_view createIn, std::string_view name) {
    const std::string path = DirectoryPath::newDirectory(createIn, name);
    if (folders.createDirectory(path)) {
        return true;
    }
    prompts.report(
        {platform::FailureKind::Folder, "Could not create new directory \"" + path + "\""});
    return false;
}

} // namespace harvex2::core
