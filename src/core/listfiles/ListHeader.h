#pragma once

#include "core/listfiles/ListFileBoxes.h"

#include <utility>

namespace harvex2::core {

// The two header texts held on their own, where no window shows them.
class ListHeader final : public ListFileBoxes {
public:
    ListHeader() = default;
    ListHeader(std::string baseUrl, std::string directory)
        : baseUrl_(std::move(baseUrl)), directory_(std::move(directory)) {}

    std::string baseUrl() const override { return baseUrl_; }
    std::string downloadDirectory() const override { return directory_; }
    void setBaseUrl(const std::string& text) override { baseUrl_ = text; }
    void setDownloadDirectory(const std::string& text) override { directory_ = text; }

private:
    std::string baseUrl_;
    std::string directory_;
};

} // namespace harvex2::core
