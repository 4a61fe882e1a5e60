#include "core/handoff/AddingRows.h"

namespace harvex2::core {

namespace {
constexpr std::size_t kFatalMarker = 31999;
constexpr std::size_t kRefusedOffset = 32000;
} // namespace

std::string AddingRow::indexFromMain() const {
    const std::size_t index = listIndex.value_or(0);
    switch (outcome) {
    case RowOutcome::Refused:
        return std::to_string(index + kRefusedOffset);
    case RowOutcome::Fatal:
        return std::to_string(kFatalMarker);
    case RowOutcome::Unmarked:
        break;
    }
    return std::to_string(index);
}

void AddingRows::clear() {
    if (observer_) {
        observer_->rowsAboutToReset();
    }
    rows_.clear();
    if (observer_) {
        observer_->rowsReset();
    }
}

void AddingRows::append(std::string url, std::string target, std::optional<std::size_t> listIndex) {
    if (observer_) {
        observer_->rowAboutToBeAppended(rows_.size());
    }
    rows_.push_back(AddingRow{std::move(url),
                              "Waiting",
                              std::move(target),
                              listIndex,
                              {},
                              {},
                              RowOutcome::Unmarked,
                              RowPicture::Waiting});
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

void AddingRows::setOutcome(std::size_t row, RowOutcome outcome) {
    rows_[row].outcome = outcome;
    changed(row);
}

void AddingRows::setNaming(std::size_t row, std::string target, std::string fileName,
                           std::string referrer) {
    AddingRow& named = rows_[row];
    named.target = std::move(target);
    named.fileName = std::move(fileName);
    named.referrer = std::move(referrer);
    changed(row);
}

void AddingRows::changed(std::size_t row) {
    if (observer_) {
        observer_->rowChanged(row);
    }
}

} // namespace harvex2::core
