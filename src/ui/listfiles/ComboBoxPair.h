#pragma once

#include "core/listfiles/ListFileBoxes.h"

class QComboBox;

namespace harvex2::ui {

// The main window's Base URL box and Download directory box as a link list file's header
// texts, read and set as the exact bytes they show.
class ComboBoxPair final : public core::ListFileBoxes {
public:
    ComboBoxPair(QComboBox& baseUrl, QComboBox& directory);

    std::string baseUrl() const override;
    std::string downloadDirectory() const override;
    void setBaseUrl(const std::string& text) override;
    void setDownloadDirectory(const std::string& text) override;

private:
    QComboBox& baseUrl_;
    QComboBox& directory_;
};

} // namespace harvex2::ui
