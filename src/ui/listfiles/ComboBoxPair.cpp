#include "ui/listfiles/ComboBoxPair.h"

#include "ui/platform/ShownBytes.h"

namespace harvex2::ui {

ComboBoxPair::ComboBoxPair(QComboBox& baseUrl, QComboBox& directory)
    : baseUrl_(baseUrl), directory_(directory) {}

std::string ComboBoxPair::baseUrl() const {
    return ShownBytes::read(baseUrl_);
}

std::string ComboBoxPair::downloadDirectory() const {
    return ShownBytes::read(directory_);
}

void ComboBoxPair::setBaseUrl(const std::string& text) {
    ShownBytes::show(baseUrl_, text);
}

void ComboBoxPair::setDownloadDirectory(const std::string& text) {
    ShownBytes::show(directory_, text);
}

} // namespace harvex2::ui
