#include "core/handoff/AddingRows.h"

namespace harvex2::core {

namespace {
constexpr std::size_t kFatalMarker = 31999;
constexpr std::size_t kRefusedOffset = 32000;
} // namespace

std::string AddingRow::target() const {
    if (place.folder.empty() && place.fileName.empty() && givenName.empty() && !source) {
        return " ";
    }
    return place.folder + (givenName.empty() ? place.fileName : givenName);
}

std::string AddingRow::indexFromMain() const {
    const std::size_t index = source ? source->index : 0;
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
    leftOut_.clear();
    ++generation_;
    if (observer_) {
        observer_->rowsReset();
    }
}

void AddingRows::append(std::string url, SavePlace place, std::optional<RowSource> source) {
    if (observer_) {
        observer_->rowAboutToBeAppended(rows_.size());
    }
    rows_.push_back(AddingRow{
        .url = std::move(url), .status = "Waiting", .place = std::move(place), .source = source});
    if (observer_) {
        observer_->rowAppended(rows_.size() - 1);
    }
}

void AddingRows::appendLeftOut(std::string url, SavePlace place, std::optional<RowSource> source) {
    if (observer_) {
        observer_->rowAboutToBeAppended(shownCount());
    }
    leftOut_.push_back(AddingRow{.url = std::move(url),
                                 .status = "Sent before",
                                 .place = std::move(place),
                                 .source = source,
                                 .picture = RowPicture::Added});
    if (observer_) {
        observer_->rowAppended(shownCount() - 1);
    }
}

const AddingRow& AddingRows::shownAt(std::size_t row) const {
    return row < rows_.size() ? rows_[row] : leftOut_[row - rows_.size()];
}

void AddingRows::setStatus(std::size_t row, std::string status, RowPicture picture) {
    if (picture == RowPicture::Added && rows_[row].picture != RowPicture::Added && added_) {
        added_(rows_[row]);
    }
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

void AddingRows::setNaming(std::size_t row, SavePlace place, std::string givenName,
                           std::string referrer) {
    AddingRow& named = rows_[row];
    named.place = std::move(place);
    named.givenName = std::move(givenName);
    named.referrer = std::move(referrer);
    changed(row);
}

void AddingRows::setPlace(std::size_t row, SavePlace place) {
    rows_[row].place = std::move(place);
    changed(row);
}

void AddingRows::changed(std::size_t row) {
    if (observer_) {
        observer_->rowChanged(row);
    }
}

} // namespace harvex2::core
