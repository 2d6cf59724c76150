#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace lexorama {

/// Russian alphabetical order without regard to case ("а" < "Б" < "в"), as used by sorted
/// lists and the column sort. Thread-compatible: one object per thread.
class RussianCollator {
public:
    RussianCollator();
    ~RussianCollator();
    RussianCollator(const RussianCollator &) = delete;
    RussianCollator &operator=(const RussianCollator &) = delete;

    /// Negative, zero or positive as a sorts before, with or after b.
    int compare(std::string_view a, std::string_view b) const;
    /// A byte string whose plain byte order is the collation order.
    std::string sortKey(std::string_view text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace lexorama
