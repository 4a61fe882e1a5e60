#include "core/handoff/AddingRows.h"

namespace harvex2::core {

void AddingRows::clear() {
    if (observer_) {
        observer_->rowsAboutToReset();
    }
    rows_.clear();
    if (observer_) {
        observer_->rowsReset();
    }
}

void AddingRows::append(std::string url, std::string target, std::string indexFromMain) {
    if (observer_) {
        observer_->rowAboutToBeAppended(rows_.size());
    }
    rows_.push_back(AddingRow{std::move(url), "Waiting", std::move(target),
                              std::move(indexFromMain), RowPicture::Waiting});
    if (observer_) {
        observer_->rowAppended(rows_.size() - 1);
    }
}

void AddingRows::setStatus(std::size_t row, std::string status, RowPicture picture) {
    rows_[row].status = std::move(status);
    rows_[row].picture = picture;
    changed(row);
}

void AddingRows::setPicture(std::size_t row, RowPicture picture) {
    rows_[row].picture = picture;
    changed(row);
}

void AddingRows::setIndexFromMain(std::size_t row, std::string text) {
    rows_[row].indexFromMain = std::move(text);
    changed(row);
}

void AddingRows::changed(std::size_t row) {
    if (observer_) {
        observer_->rowChanged(row);
    }
}

} // namespace harvex2::core
