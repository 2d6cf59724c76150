#pragma once

#include <cstddef>

namespace lexorama::lexicon {

/// What a view of a table (a grid, a navigator) hears of its changes. Positions are row numbers
/// in the table's present order. While the table's display updates are suspended nothing is
/// sent; resuming sends one reset.
class TableObserver {
public:
    virtual ~TableObserver() = default;
    /// Anything may have changed: rows, order, cursor.
    virtual void tableReset() = 0;
    virtual void rowChanged(std::size_t) { tableReset(); }
    virtual void rowInserted(std::size_t) { tableReset(); }
    virtual void rowRemoved(std::size_t) { tableReset(); }
    virtual void cursorMoved() {}
    virtual void stateChanged() {}
    /// A field of the record being edited or inserted was assigned.
    virtual void bufferChanged() {}
};

} // namespace lexorama::lexicon
