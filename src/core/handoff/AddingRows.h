#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// The state pictures of an Adding window row.
enum class RowPicture { Added = 0, Adding = 1, Refused = 2, Waiting = 3, Fatal = 4 };

// What a pass reported for a row beyond its picture: the tidy-up reads it back.
enum class RowOutcome { Unmarked, Refused, Fatal };

struct AddingRow {
    std::string url;
    std::string status;
    std::string target;
    // The link-list entry the row was made from; none for a generated sequence.
    std::optional<std::size_t> listIndex;
    // The name a mask or an imported name gives, a relative path the target ends in; empty
    // when the download manager names the file.
    std::string fileName = {};
    std::string referrer = {};
    RowOutcome outcome = RowOutcome::Unmarked;
    RowPicture picture = RowPicture::Waiting;

    // The Index from Main column: the list index ("0" for a row from no entry), raised by
    // 32000 once refused, or the fatal marker 31999. Shown only: past 31998 entries these
    // codes collide with real indexes, so the tidy-up reads the typed fields instead.
    std::string indexFromMain() const;
};

// Hears of every change: a reset and an appended row are announced before they are made and
// reported after, as item views need.
class AddingRowsObserver {
public:
    virtual ~AddingRowsObserver() = default;
    virtual void rowsAboutToReset() = 0;
    virtual void rowsReset() = 0;
    virtual void rowAboutToBeAppended(std::size_t row) = 0;
    virtual void rowAppended(std::size_t row) = 0;
    virtual void rowChanged(std::size_t row) = 0;
};

// The rows of the Adding window: one per link to hand over.
class AddingRows {
public:
    void setObserver(AddingRowsObserver* observer) { observer_ = observer; }

    void clear();
    // A new row reads "Waiting" with the waiting picture.
    void append(std::string url, std::string target, std::optional<std::size_t> listIndex);
    std::size_t count() const { return rows_.size(); }
    const AddingRow& at(std::size_t row) const { return rows_[row]; }

    void setStatus(std::size_t row, std::string status, RowPicture picture);
    void setPicture(std::size_t row, RowPicture picture);
    void setOutcome(std::size_t row, RowOutcome outcome);
    void setNaming(std::size_t row, std::string target, std::string fileName, std::string referrer);

private:
    void changed(std::size_t row);

    std::vector<AddingRow> rows_;
    AddingRowsObserver* observer_ = nullptr;
};

} // namespace harvex2::core
