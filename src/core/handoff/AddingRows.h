#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace harvex2::core {

// The state pictures of an Adding window row.
enum class RowPicture { Added = 0, Adding = 1, Refused = 2, Waiting = 3, Fatal = 4 };

struct AddingRow {
    std::string url;
    std::string status;
    std::string target;
    std::string indexFromMain; // decimal text; the pass writes outcome codes into it
    RowPicture picture = RowPicture::Waiting;
};

// Outcome codes carried back in Index from Main.
inline constexpr int kFatalMarker = 31999;
inline constexpr int kRefusedOffset = 32000;

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
    void append(std::string url, std::string target, std::string indexFromMain);
    std::size_t count() const { return rows_.size(); }
    const AddingRow& at(std::size_t row) const { return rows_[row]; }

    void setStatus(std::size_t row, std::string status, RowPicture picture);
    void setPicture(std::size_t row, RowPicture picture);
    void setIndexFromMain(std::size_t row, std::string text);

private:
    void changed(std::size_t row);

    std::vector<AddingRow> rows_;
    AddingRowsObserver* observer_ = nullptr;
};

} // namespace harvex2::core
