#pragma once

#include <string>

namespace harvex2::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes `bytes` exactly to a file of the folder, making the folders on its way, and
    // returns the file's full path.
    std::string makeFile(const std::string& name, const std::string& bytes = {}) const;

    static std::string read(const std::string& path);
    static void write(const std::string& path, const std::string& bytes);

private:
    std::string path_;
};

} // namespace harvex2::test
