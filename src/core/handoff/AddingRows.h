#pragma once

#include "core/handoff/DownloadTarget.h"
#include "core/shell/SideTable.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// The state pictures of an Adding window row.
enum class RowPicture { Added = 0, Adding = 1, Refused = 2, Waiting = 3, Fatal = 4 };

// What a pass reported for a row beyond its picture: the tidy-up reads it back.
enum class RowOutcome { Unmarked, Refused, Fatal };

// The list entry a row was made from: its place in the list when the row was made, and its
// id, which outlives removals.
struct RowSource {
    std::size_t index = 0;
    EntryId entry = 0;
};

struct AddingRow {
    std::string url;
    std::string status;
    SavePlace place;
    // None for a generated sequence.
    std::optional<RowSource> source;
    // The name a mask or an imported name gives, already safe: a relative path that may hold
    // folders and wins over the place's file name. Empty: the place decides.
    std::string givenName = {};
    std::string referrer = {};
    RowOutcome outcome = RowOutcome::Unmarked;
    RowPicture picture = RowPicture::Waiting;
    // Whether its target tells of each link that it took it; when it does not, removing only
    // the added entries keeps this one.
    bool answeredPerLink = true;

    // The Target column: the folder and the file name. A sequence's row saved nowhere shows
    // one blank, as the sequence generator always wrote it for the download manager.
    std::string target() const;

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

// The rows of the Adding window: one per link to hand over, then the links left out because
// their target took them before. Passes, the tidy-up and the counts see only the first.
class AddingRows {
public:
    void setObserver(AddingRowsObserver* observer) { observer_ = observer; }
    // Hears of each row the moment its target confirmed it.
    void setAddedHook(std::function<void(const AddingRow&)> hook) { added_ = std::move(hook); }

    void clear();
    // A new row reads "Waiting" with the waiting picture.
    void append(std::string url, SavePlace place, std::optional<RowSource> source);
    std::size_t count() const { return rows_.size(); }
    const AddingRow& at(std::size_t row) const { return rows_[row]; }
    // Changes with every clear(): work that outlives a pass tells its rows from later ones.
    std::size_t generation() const { return generation_; }

    // A row that reads "Sent before" and is not handed over.
    void appendLeftOut(std::string url, SavePlace place, std::optional<RowSource> source);
    std::size_t leftOutCount() const { return leftOut_.size(); }
    // The rows to hand over, then the ones left out, as the window lists them.
    std::size_t shownCount() const { return rows_.size() + leftOut_.size(); }
    const AddingRow& shownAt(std::size_t row) const;

    void setStatus(std::size_t row, std::string status, RowPicture picture);
    void setPicture(std::size_t row, RowPicture picture);
    void setOutcome(std::size_t row, RowOutcome outcome);
    void setNaming(std::size_t row, SavePlace place, std::string givenName, std::string referrer);
    // A route sends the row elsewhere than the Add's own target and folder.
    void setPlace(std::size_t row, SavePlace place);
    void setAnsweredPerLink(std::size_t row, bool answered) {
        rows_[row].answeredPerLink = answered;
    }

private:
    void changed(std::size_t row);

    std::vector<AddingRow> rows_;
    std::vector<AddingRow> leftOut_;
    std::size_t generation_ = 0;
    AddingRowsObserver* observer_ = nullptr;
    std::function<void(const AddingRow&)> added_;
};

} // namespace harvex2::core
