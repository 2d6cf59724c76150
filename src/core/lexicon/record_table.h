#pragma once

#include "lexicon/field_layout.h"
#include "lexicon/record.h"
#include "lexicon/table_observer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexorama::lexicon {

/// Identifies a record for as long as it exists; records get ascending bookmarks as they are
/// created, so bookmark order is creation order.
using Bookmark = std::uint32_t;

enum class TableState { Browse, Edit, Insert };

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false;
};

/// An in-memory table of records of one layout, with the behaviour the program's commands rely
/// on: a cursor over the present order (sorted and filtered), browse/edit/insert states with an
/// edit buffer, bookmarks, locate, a stable sort by a field, a record filter, marked records,
/// display-update suspension for observers and an after-scroll event that can be detached.
class RecordTable {
public:
    using RecordFilter = std::function<bool(const Record &)>;
    using AfterScroll = std::function<void()>;

    explicit RecordTable(FieldLayout layout);

    const FieldLayout &layout() const { return layout_; }
    /// Index of a field by name, without regard to case; throws if there is none.
    std::size_t field(std::string_view name) const;

    // Present order and cursor.
    std::size_t recordCount() const { return view_.size(); }
    bool isEmpty() const { return view_.empty(); }
    /// Row of the cursor in the present order; empty when the table is empty.
    std::optional<std::size_t> position() const;
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveTo(std::size_t row);
    const Record &recordAt(std::size_t row) const;
    Bookmark bookmarkAt(std::size_t row) const { return view_.at(row); }

    // The current record (the edit buffer while editing or inserting).
    const Record &current() const;
    std::optional<std::string_view> value(std::size_t field) const;
    std::string_view text(std::size_t field) const;
    std::optional<std::int32_t> intValue(std::size_t field) const;

    // States and changes.
    TableState state() const { return state_; }
    bool isEditing() const { return state_ != TableState::Browse; }
    /// Puts the current record into edit state; on an empty table appends a record instead.
    void edit();
    /// Starts a new record that post() adds at the end of the present order.
    void append();
    void post();
    void cancel();
    /// Posts a pending edit, as moving the cursor does.
    void checkBrowseMode();
    /// Assigns what the user typed or imported: the value is cut to the field's width at the
    /// last whole character that fits.
    void setText(std::size_t field, std::string_view value);
    /// Assigns a value as it stands (values read from files keep their full length).
    void setStored(std::size_t field, std::optional<std::string_view> value);
    void setInt(std::size_t field, std::optional<std::int32_t> value);
    void deleteCurrent();
    void emptyTable();
    /// Adds a finished record at the end without touching state or cursor (bulk loads).
    void appendRecord(Record record);
    /// Replaces a stored record in place (bulk updates); the cursor stays.
    void replaceRecord(Bookmark bookmark, Record record);
    /// Removes these records; the cursor moves to the row that takes the current one's place.
    void deleteRecords(const std::vector<Bookmark> &bookmarks);

    // Bookmarks and locate.
    std::optional<Bookmark> bookmark() const;
    bool bookmarkValid(Bookmark bookmark) const;
    bool gotoBookmark(Bookmark bookmark);
    std::optional<std::size_t> rowOf(Bookmark bookmark) const;
    bool locate(std::size_t field, std::string_view value, LocateOptions options = {});

    // Order and filter.
    /// Stable sort of the present order by a field, Russian order without regard to case.
    void sortBy(std::size_t field, bool descending = false);
    std::optional<std::size_t> sortField() const { return sortField_; }
    void setFilter(RecordFilter filter);
    void clearFilter();
    bool isFiltered() const { return static_cast<bool>(filter_); }
    /// Re-applies filter and sort to all records.
    void refresh();

    // Marked records.
    void setMarked(Bookmark bookmark, bool marked);
    bool isMarked(Bookmark bookmark) const;
    /// Marked records that are in the present view, in creation order.
    std::vector<Bookmark> marks() const;
    void markAll();
    void clearMarks();

    // Display updates and events.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }
    void addObserver(TableObserver *observer);
    void removeObserver(TableObserver *observer);
    void setAfterScroll(AfterScroll handler) { afterScroll_ = std::move(handler); }
    /// Removes the after-scroll handler and returns it, so that it can be put back.
    AfterScroll detachAfterScroll() { return std::exchange(afterScroll_, nullptr); }

private:
    bool alive(Bookmark b) const { return b < rows_.size() && alive_[b]; }
    void requireEditing() const;
    void rebuildView();
    void applySort();
    void moveCursor(std::size_t row);
    void scrolled();
    void notify(const std::function<void(TableObserver &)> &event);
    void notifyReset();

    static constexpr std::uint32_t kNoRow = 0xFFFFFFFFu;

    FieldLayout layout_;
    std::vector<Record> rows_;      // by bookmark; deleted rows stay as empty slots
    std::vector<bool> alive_;
    std::vector<bool> marked_;
    std::vector<Bookmark> view_;    // present order
    mutable std::vector<std::uint32_t> rowOfBookmark_; // inverse of view_, built on demand
    mutable bool rowMapValid_ = true;
    std::size_t cursor_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    TableState state_ = TableState::Browse;
    Record buffer_;
    RecordFilter filter_;
    std::optional<std::size_t> sortField_;
    bool sortDescending_ = false;
    int disableCount_ = 0;
    bool changedWhileDisabled_ = false;
    std::vector<TableObserver *> observers_;
    AfterScroll afterScroll_;
};

/// Detaches a table's after-scroll handler for the life of the guard (walks over a table must
/// not refresh the edit panel for every record).
class AfterScrollPause {
public:
    explicit AfterScrollPause(RecordTable &table)
        : table_(table), handler_(table.detachAfterScroll()) {}
    ~AfterScrollPause() { table_.setAfterScroll(std::move(handler_)); }
    AfterScrollPause(const AfterScrollPause &) = delete;
    AfterScrollPause &operator=(const AfterScrollPause &) = delete;

private:
    RecordTable &table_;
    RecordTable::AfterScroll handler_;
};

/// Suspends a table's display updates for the life of the guard.
class DisplayPause {
public:
    explicit DisplayPause(RecordTable &table) : table_(table) { table_.disableControls(); }
    ~DisplayPause() { table_.enableControls(); }
    DisplayPause(const DisplayPause &) = delete;
    DisplayPause &operator=(const DisplayPause &) = delete;

private:
    RecordTable &table_;
};

} // namespace lexorama::lexicon
