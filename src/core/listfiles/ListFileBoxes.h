#pragma once

#include <string>

namespace harvex2::core {

// The two texts a link list file keeps besides its entries: in the program, the main
// window's Base URL box and Download directory box.
class ListFileBoxes {
public:
    virtual ~ListFileBoxes() = default;
    virtual std::string baseUrl() const = 0;
    virtual std::string downloadDirectory() const = 0;
    virtual void setBaseUrl(const std::string& text) = 0;
    virtual void setDownloadDirectory(const std::string& text) = 0;
};

} // namespace harvex2::core
